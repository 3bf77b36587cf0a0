#include "shell/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <cmath>

namespace velmora {

void install_font_substitutes() {
  const struct {
    const char* family;
    const char* look_alike;
  } substitutes[] = {{"MS Sans Serif", "Liberation Sans"},
                     {"Arial", "Liberation Sans"},
                     {"MS Serif", "Liberation Serif"}};
  for (const auto& [family, look_alike] : substitutes) {
    if (!QFontDatabase::hasFamily(family)) QFont::insertSubstitution(family, look_alike);
  }
}

QFont layout_font(const QString& family, double points) {
  QFont font(family);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  return font;
}

QFont fitted_font(QFont font, const QString& text, int width) {
  constexpr int kNarrowest = 80;
  for (int stretch = 100; stretch > kNarrowest; --stretch) {
    font.setStretch(stretch);
    if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
  }
  return font;
}

}  // namespace velmora
