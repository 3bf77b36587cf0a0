#include "platform/qt/system_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace velmora {

bool SystemLauncher::file_exists(const std::string& path) {
  return QFileInfo(QString::fromLocal8Bit(path)).isFile();
}

std::string SystemLauncher::find_on_path(const std::string& name) {
  return QStandardPaths::findExecutable(QString::fromLocal8Bit(name)).toLocal8Bit().toStdString();
}

bool SystemLauncher::start(const std::string& program) {
  return QProcess::startDetached(QString::fromLocal8Bit(program), {});
}

}  // namespace velmora
