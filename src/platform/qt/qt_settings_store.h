#pragma once

#include <QString>

#include "ports/settings_store.h"

namespace velmora {

// The settings in an INI file through QSettings: by default the user's
// ~/.config/Velmora/Velmora.conf, where earlier versions kept weak-spot practice.
class QtSettingsStore final : public SettingsStore {
 public:
  explicit QtSettingsStore(QString file);
  // The user's own settings file.
  static QString user_file();

  Settings load(std::string& problem) override;
  Status save(const Settings& settings) override;

 private:
  QString file_;
};

}  // namespace velmora
