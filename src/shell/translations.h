#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>

#include "theory/note_naming.h"

namespace velmora {

// The languages the program ships, English (its own) first.
inline const QStringList kShippedLanguages = {"en", "de", "fr", "es", "nl"};

// The shipped language a code names ("de", "de_AT", "fr-CA", "nl_NL.UTF-8"); English for the C
// and POSIX locales; none for a language the program does not ship.
std::optional<QString> shipped_language(const QString& code);

// The language of this run: the command line's, else the saved setting's, else the first of the
// user's languages that the program ships, else English.
QString chosen_language(const std::optional<QString>& command_line, const QString& setting,
                        const QStringList& user_languages);

// The note names of this run: the command line's, else the saved setting's, else those the
// language's learners are usually taught (German names for German, fixed do for French and
// Spanish, letters otherwise).
NoteNaming chosen_note_naming(const std::optional<NoteNaming>& command_line,
                              const QString& setting, const QString& language);

// The folders searched for the program's translations: beside the executable in a build tree,
// then the installed share folder.
QStringList translation_folders();

// The program's and the toolkit's translations into one language. They are loaded before the
// application object exists, so that the command line's help and mistakes are translated too.
class Translations {
 public:
  // English loads nothing. A missing file leaves the texts in English.
  explicit Translations(const QString& language,
                        const QStringList& folders = translation_folders());
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  const QString& language() const { return language_; }
  bool loaded() const { return !program_.isEmpty(); }
  // Hands both to the application, which then translates every tr().
  void install();
  // A text translated without the application: the program's entry, else the toolkit's, else
  // the English source.
  QString text(const char* context, const char* source) const;

 private:
  QString language_;
  QTranslator program_;
  QTranslator toolkit_;
};

}  // namespace velmora
