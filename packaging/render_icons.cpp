// Writes the application icon into an icon theme folder: PNGs at the sizes desktops ask for and
// the scalable SVG, all drawn from the program's own picture.
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>

#include "shell/artwork.h"

namespace {

constexpr int kPngSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;

bool fail(const QString& what) {
  std::fprintf(stderr, "velmora_icons: %s\n", qPrintable(what));
  return false;
}

bool write_png(const QString& theme, const QString& name, int size) {
  const QString folder = QString("%1/%2x%2/apps").arg(theme).arg(size);
  const QString file = folder + '/' + name + ".png";
  if (!QDir().mkpath(folder)) return fail("cannot create the folder " + folder);
  if (!velmora::velmora_picture_image(size).save(file, "PNG")) return fail("cannot write " + file);
  return true;
}

bool write_svg(const QString& theme, const QString& name) {
  const QString folder = theme + "/scalable/apps";
  QFile file(folder + '/' + name + ".svg");
  if (!QDir().mkpath(folder)) return fail("cannot create the folder " + folder);
  const QByteArray svg = velmora::velmora_picture_svg(kSvgSize);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(svg) != svg.size() ||
      !file.flush()) {
    return fail("cannot write " + file.fileName() + ": " + file.errorString());
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fputs("usage: velmora_icons THEME_FOLDER ICON_NAME\n", stderr);
    return 2;
  }
  const QString theme = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : kPngSizes) {
    if (!write_png(theme, name, size)) return 1;
  }
  return write_svg(theme, name) ? 0 : 1;
}
