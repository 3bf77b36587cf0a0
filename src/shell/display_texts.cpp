#include "shell/display_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "theory/chord_words.h"

namespace velmora {
namespace {

// The core's texts that carry values, as templates with one or two placeholders.
struct MessageTemplate {
  const char* english;
  int values;
  // Whether the values are note names, to be shown in the learner's names.
  bool notes;
};

const MessageTemplate kTemplates[] = {
    {QT_TRANSLATE_NOOP("Messages",
                       "You have %1 correct answers out of 17.(The First is always given!)"),
     1, false},
    // The failure's description and number.
    {QT_TRANSLATE_NOOP("Messages",
                       "There was an Error while printing the Worksheet! (Or it was Canceled by "
                       "the user.) %1"),
     1, false},
    {QT_TRANSLATE_NOOP("Messages",
                       "Velmora could not record this Check in your practice history (%1). You "
                       "can go on playing, but the rest of this run is not recorded."),
     1, false},
    {QT_TRANSLATE_NOOP("Messages", "sounds right, spelled wrong: %1 here is %2"), 2, true},
    {QT_TRANSLATE_NOOP("Messages", "wrong: %1 is not the note here"), 1, true},
};

// Texts the core shows as they are.
const char* const kFixedTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "Are You sure you want to create a new Velmora?"),
    QT_TRANSLATE_NOOP("Messages", "Create A New Velmora First! Press the create Button."),
    QT_TRANSLATE_NOOP("Messages", "This action will create some work sheets on your printer"),
    QT_TRANSLATE_NOOP("Messages", "Create Worksheet?"),
    QT_TRANSLATE_NOOP("Messages", "System Information Is Unavailable At This Time"),
    QT_TRANSLATE_NOOP("Messages", "right"),
    QT_TRANSLATE_NOOP("Messages", "empty"),
};

QString translated(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

QRegularExpression pattern_of(const char* english) {
  const QString text = QString::fromUtf8(english);
  static const QRegularExpression placeholder(R"(%\d)");
  QString pattern;
  qsizetype from = 0;
  for (QRegularExpressionMatchIterator it = placeholder.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch found = it.next();
    pattern += QRegularExpression::escape(text.mid(from, found.capturedStart() - from)) + "(.*?)";
    from = found.capturedEnd();
  }
  pattern += QRegularExpression::escape(text.mid(from));
  return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                            QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace

QString shown_caption(std::string_view caption, NoteNaming naming) {
  const std::optional<NoteName> note = NoteName::from_text(caption);
  if (!note || naming == NoteNaming::Letters) {
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  }
  const QString name = QString::fromStdString(display_name(*note, naming));
  const qsizetype width = static_cast<qsizetype>(caption.size());
  return name.size() < width && caption.starts_with(' ') ? name.rightJustified(width) : name;
}

QString spoken_note(const NoteName& note, NoteNaming naming) {
  const std::string flat = translated("Notes", QT_TRANSLATE_NOOP("Notes", "flat")).toStdString();
  const std::string double_flat =
      translated("Notes", QT_TRANSLATE_NOOP("Notes", "double flat")).toStdString();
  const std::string sharp = translated("Notes", QT_TRANSLATE_NOOP("Notes", "sharp")).toStdString();
  const std::string double_sharp =
      translated("Notes", QT_TRANSLATE_NOOP("Notes", "double sharp")).toStdString();
  const AccidentalWords words{flat, double_flat, sharp, double_sharp};
  return QString::fromStdString(spoken_name(note, naming, words));
}

QString chord_type_in_words(std::string_view chord_type_name) {
  QStringList parts;
  for (const ChordWord word : chord_type_words(chord_type_name)) {
    const char* english = "";
    switch (word) {
      case ChordWord::SixNine: english = QT_TRANSLATE_NOOP("ChordWords", "six-nine"); break;
      case ChordWord::MajorNinth: english = QT_TRANSLATE_NOOP("ChordWords", "major ninth"); break;
      case ChordWord::DominantSeventh:
        english = QT_TRANSLATE_NOOP("ChordWords", "dominant seventh");
        break;
      case ChordWord::DominantNinth:
        english = QT_TRANSLATE_NOOP("ChordWords", "dominant ninth");
        break;
      case ChordWord::MinorSixNine:
        english = QT_TRANSLATE_NOOP("ChordWords", "minor six-nine");
        break;
      case ChordWord::MinorSeventh:
        english = QT_TRANSLATE_NOOP("ChordWords", "minor seventh");
        break;
      case ChordWord::MinorNinth: english = QT_TRANSLATE_NOOP("ChordWords", "minor ninth"); break;
      case ChordWord::FlatFive: english = QT_TRANSLATE_NOOP("ChordWords", "flat five"); break;
      case ChordWord::SharpFive: english = QT_TRANSLATE_NOOP("ChordWords", "sharp five"); break;
      case ChordWord::FlatNine: english = QT_TRANSLATE_NOOP("ChordWords", "flat nine"); break;
      case ChordWord::SharpNine: english = QT_TRANSLATE_NOOP("ChordWords", "sharp nine"); break;
      case ChordWord::SharpFour: english = QT_TRANSLATE_NOOP("ChordWords", "sharp four"); break;
      case ChordWord::SuspendedFourth:
        english = QT_TRANSLATE_NOOP("ChordWords", "suspended fourth");
        break;
      case ChordWord::SuspendedSecond:
        english = QT_TRANSLATE_NOOP("ChordWords", "suspended second");
        break;
      case ChordWord::MajorSeventh:
        english = QT_TRANSLATE_NOOP("ChordWords", "major seventh");
        break;
    }
    parts << translated("ChordWords", english);
  }
  return parts.join(", ");
}

QString shown_message(const std::string& english, NoteNaming naming) {
  const QString text = QString::fromStdString(english);
  for (const char* fixed : kFixedTexts) {
    if (text == QLatin1String(fixed)) return translated("Messages", fixed);
  }
  for (const MessageTemplate& message : kTemplates) {
    const QRegularExpressionMatch match = pattern_of(message.english).match(text);
    if (!match.hasMatch()) continue;
    QStringList values;
    for (int index = 1; index <= message.values; ++index) {
      const QString value = match.captured(index);
      values << (message.notes ? shown_caption(value.toStdString(), naming) : value);
    }
    // Both at once, so that a value holding "%2" is not taken for the placeholder.
    const QString shown = translated("Messages", message.english);
    return values.size() == 1 ? shown.arg(values[0]) : shown.arg(values[0], values[1]);
  }
  return text;
}

}  // namespace velmora
