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
    {QT_TRANSLATE_NOOP("Messages", "version: %1"), 1, false},
    {QT_TRANSLATE_NOOP("Messages", "Version %1"), 1, false},
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
    QT_TRANSLATE_NOOP("Messages", "Velmora is now loading"),
    QT_TRANSLATE_NOOP("Messages", "Now Loading....."),
    QT_TRANSLATE_NOOP("Messages", "About Velmora"),
    QT_TRANSLATE_NOOP("Messages", "&System Info..."),
    // The About box's help text, line by line as the box shows it.
    QT_TRANSLATE_NOOP("Messages",
        "Learn to handle and memorize musical chords. (Up to None)\n"
        "\n"
        "\n"
        "How to use this program.\n"
        "If you press the create button, a new Velmora wil be created. This \n"
        "means that one of the many circles will have a note written in it.\n"
        "It is your job to find all the missing Chord tones.\n"
        "You can Fill in the missing notes by using your mouse. Simply drag and \n"
        "drop one of the notes in the circles. \n"
        "Fill in the chords beginning from left/right or up/down.\n"
        "Always Work your way to the Chord's name. This means that the circle \n"
        "near the chord's name should contain the last note of the chords.\n"
        "To check if the answers are correct you can press the Check Button \n"
        "on the form. A Messagebox will appear showing the number of correct \n"
        "answers.\n"
        "If you need a reminder on how a chord is build, press the chord's name \n"
        "for help.\n"
        "\n"
        "Worksheets\n"
        "You can create worksheets for study. A worksheet has 6 empty Velmoras\n"
        "Every Worksheet is logged into a file so that you can check all your \n"
        "answers ones you have finished the worksheets. The answers are logged into\n"
        "the following file: worksheet.id. \n"
        "If this file is not in the program's directory search for it on your\n"
        "computer by the windows find function.\n"),
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
  // Multi-line texts end their lines in CR LF; the translations keep line feeds alone.
  const bool crlf = text.contains("\r\n");
  const QString plain = crlf ? QString(text).remove('\r') : text;
  for (const char* fixed : kFixedTexts) {
    if (plain != QLatin1String(fixed)) continue;
    const QString shown = translated("Messages", fixed);
    return crlf ? QString(shown).replace("\n", "\r\n") : shown;
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
