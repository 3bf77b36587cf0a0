#include "shell/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace velmora {

std::optional<QString> shipped_language(const QString& code) {
  if (code == "C" || code == "POSIX" || code.startsWith("C.")) return QString("en");
  const QString language = code.section('.', 0, 0).section('_', 0, 0).section('-', 0, 0).toLower();
  if (kShippedLanguages.contains(language)) return language;
  return std::nullopt;
}

QString chosen_language(const std::optional<QString>& command_line, const QString& setting,
                        const QStringList& user_languages) {
  if (command_line) return *command_line;
  if (const std::optional<QString> saved = shipped_language(setting)) return *saved;
  for (const QString& language : user_languages) {
    if (const std::optional<QString> shipped = shipped_language(language)) return *shipped;
  }
  return "en";
}

NoteNaming chosen_note_naming(const std::optional<NoteNaming>& command_line,
                              const QString& setting, const QString& language) {
  if (command_line) return *command_line;
  if (const std::optional<NoteNaming> saved = note_naming_from_word(setting.toStdString())) {
    return *saved;
  }
  if (language == "de") return NoteNaming::German;
  if (language == "fr" || language == "es") return NoteNaming::FixedDo;
  return NoteNaming::Letters;
}

QStringList translation_folders() {
  const QFileInfo executable(QStringLiteral("/proc/self/exe"));
  const QString folder = executable.canonicalFilePath().isEmpty()
                             ? QString()
                             : QFileInfo(executable.canonicalFilePath()).absolutePath();
  return {folder + "/translations", folder + "/../share/velmora/translations"};
}

Translations::Translations(const QString& language, const QStringList& folders)
    : language_(language) {
  if (language_ == "en") return;
  for (const QString& folder : folders) {
    if (program_.load("velmora_" + language_, folder)) break;
  }
  // Qt's own dialogs (the file and print dialogs, the buttons of message boxes).
  // Without them those dialogs stay in English, which is no reason to refuse the language.
  (void)toolkit_.load("qtbase_" + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translations::install() {
  if (!program_.isEmpty()) QCoreApplication::installTranslator(&program_);
  if (!toolkit_.isEmpty()) QCoreApplication::installTranslator(&toolkit_);
}

QString Translations::text(const char* context, const char* source) const {
  QString translated = program_.translate(context, source);
  if (translated.isEmpty()) translated = toolkit_.translate(context, source);
  return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

}  // namespace velmora
