#include "platform/qt/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace velmora {
namespace {

// The keys; weak-spot practice keeps the one earlier versions wrote.
constexpr const char* kExpert = "play/expert";
constexpr const char* kAdvanced = "play/advanced";
constexpr const char* kCentreQuestion = "play/center_question";
constexpr const char* kMidiEnabled = "midi/enabled";
constexpr const char* kDevice = "midi/device";
constexpr const char* kWeakSpots = "practice/weak_spots";
constexpr const char* kLanguage = "display/language";
constexpr const char* kNoteNames = "display/note_names";
constexpr const char* kSheetPaper = "worksheet/paper";
constexpr const char* kSheetClassroom = "worksheet/classroom";

// Only "true" and "false" count: anything else, a hand edit gone wrong, keeps the default.
bool flag(const QSettings& settings, const char* key, bool fallback) {
  const QString text = settings.value(key).toString();
  if (text == "true") return true;
  if (text == "false") return false;
  return fallback;
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString file) : file_(std::move(file)) {}

// The native format's name, Velmora.conf, is the file earlier versions kept weak-spot practice in.
QString QtSettingsStore::user_file() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "Velmora").fileName();
}

Settings QtSettingsStore::load(std::string& problem) {
  Settings settings;
  if (!QFile::exists(file_)) return settings;
  QFile probe(file_);
  if (!probe.open(QIODevice::ReadOnly)) {
    problem = probe.errorString().toStdString();
    return settings;
  }
  const QSettings stored(file_, QSettings::IniFormat);
  if (stored.status() != QSettings::NoError) {
    problem = "it is not a settings file Velmora can read";
    return settings;
  }
  settings.expert = flag(stored, kExpert, settings.expert);
  settings.advanced = flag(stored, kAdvanced, settings.advanced);
  settings.centre_question = flag(stored, kCentreQuestion, settings.centre_question);
  settings.midi_enabled = flag(stored, kMidiEnabled, settings.midi_enabled);
  settings.device = stored.value(kDevice).toString().toStdString();
  settings.weak_spots = flag(stored, kWeakSpots, settings.weak_spots);
  settings.language = stored.value(kLanguage).toString().toStdString();
  settings.note_names = stored.value(kNoteNames).toString().toStdString();
  settings.sheet_paper = stored.value(kSheetPaper).toString().toStdString();
  settings.sheet_classroom = flag(stored, kSheetClassroom, settings.sheet_classroom);
  return settings;
}

Status QtSettingsStore::save(const Settings& settings) {
  QSettings stored(file_, QSettings::IniFormat);
  // A file that could not be read is replaced whole rather than merged into.
  if (stored.status() != QSettings::NoError) stored.clear();
  stored.setValue(kExpert, settings.expert);
  stored.setValue(kAdvanced, settings.advanced);
  stored.setValue(kCentreQuestion, settings.centre_question);
  stored.setValue(kMidiEnabled, settings.midi_enabled);
  stored.setValue(kDevice, QString::fromStdString(settings.device));
  stored.setValue(kWeakSpots, settings.weak_spots);
  stored.setValue(kLanguage, QString::fromStdString(settings.language));
  stored.setValue(kNoteNames, QString::fromStdString(settings.note_names));
  stored.setValue(kSheetPaper, QString::fromStdString(settings.sheet_paper));
  stored.setValue(kSheetClassroom, settings.sheet_classroom);
  stored.sync();
  if (stored.status() != QSettings::NoError) {
    return Failure{kSettingsFailed,
                   "Cannot write " + QDir::toNativeSeparators(file_).toStdString()};
  }
  return {};
}

}  // namespace velmora
