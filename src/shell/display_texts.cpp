#include "shell/display_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "puzzle/review.h"
#include "shell/translations.h"
#include "theory/chords.h"
#include "theory/chord_words.h"

namespace velmora {
namespace {

// The core's texts that carry values, as templates with placeholders %1 to %9.
struct MessageTemplate {
  const char* english;
  // Bit n - 1 set: value %n may be a note name, shown in the learner's names.
  int notes = 0;
};

const MessageTemplate kTemplates[] = {
    {QT_TRANSLATE_NOOP("Messages",
                       "You have %1 correct answers out of 17.(The First is always given!)")},
    // The failure's description and number.
    {QT_TRANSLATE_NOOP("Messages",
                       "There was an Error while printing the Worksheet! (Or it was Canceled by "
                       "the user.) %1")},
    {QT_TRANSLATE_NOOP("Messages",
                       "Velmora could not record this Check in your practice history (%1). You "
                       "can go on playing, but the rest of this run is not recorded.")},
    {QT_TRANSLATE_NOOP("Messages", "sounds right, spelled wrong: %1 here is %2"), 0b11},
    {QT_TRANSLATE_NOOP("Messages", "wrong: %1 is not the note here"), 0b1},
    // What a screen reader hears of a circle; the root's template before the other tones'.
    {QT_TRANSLATE_NOOP("Messages", "circle %1, centre of all four chords, empty")},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, centre of all four chords, holds %2"), 0b10},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, centre of all four chords, given, holds %2"), 0b10},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, root of %2, empty")},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, root of %2, holds %3"), 0b100},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, root of %2, given, holds %3"), 0b100},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, %2 of %3, empty")},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, %2 of %3, holds %4"), 0b1000},
    {QT_TRANSLATE_NOOP("Messages", "circle %1, %2 of %3, given, holds %4"), 0b1000},
    {QT_TRANSLATE_NOOP("Messages", "chord %1")},
    // The sound's failures and the built-in synthesizer's entry in the device list.
    {QT_TRANSLATE_NOOP("Messages",
                       "Failed to start the audio driver (%1): no sound will be heard.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The built-in synthesizer found no General MIDI soundfont that it could "
                       "load: no sound will be heard. Looked for %1. The Debian packages "
                       "timgm6mb-soundfont and fluid-soundfont-gm each provide one.")},
    {QT_TRANSLATE_NOOP("Messages", "Built-in synthesizer (%1)")},
    // The answer key's failures; the parts of a log that could not be read follow the last.
    {QT_TRANSLATE_NOOP("Messages",
                       "The answer key cannot be made: the answer log %1 in %2 could not be read "
                       "(%3).")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The answer key cannot be made: the answer log %1 holds no worksheet star "
                       "that can be read.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The answer key cannot be saved over the answer log %1 it is made from; "
                       "please choose another file.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The answer key was saved without %1 part(s) of %2 that could not be "
                       "read:%3")},
    {QT_TRANSLATE_NOOP("Messages", "version: %1")},
    {QT_TRANSLATE_NOOP("Messages", "Version %1")},
    // The progress window's and --stats' figures; a key's line begins with its name.
    {QT_TRANSLATE_NOOP("Messages", "1 answer in 1 check: %1% right.")},
    {QT_TRANSLATE_NOOP("Messages", "%1 answers in 1 check: %2% right.")},
    {QT_TRANSLATE_NOOP("Messages", "%1 answers in %2 checks: %3% right.")},
    {QT_TRANSLATE_NOOP("Messages", "%1: %2% right (%3 of %4)"), 0b1},
    {QT_TRANSLATE_NOOP("Messages", "%1: no answers"), 0b1},
    {QT_TRANSLATE_NOOP("Messages", "%1: %2% missed (%3 of %4)")},
    {QT_TRANSLATE_NOOP("Messages", "Week of %1: %2% right (1 answer)")},
    {QT_TRANSLATE_NOOP("Messages", "Week of %1: %2% right (%3 answers)")},
    {QT_TRANSLATE_NOOP("Messages", "Steady at %1% right since the week of %2.")},
    {QT_TRANSLATE_NOOP("Messages", "Up from %1% to %2% right since the week of %3.")},
    {QT_TRANSLATE_NOOP("Messages", "Down from %1% to %2% right since the week of %3.")},
    {QT_TRANSLATE_NOOP("Messages", "%1: %2% (%3 of %4)")},
    {QT_TRANSLATE_NOOP("Messages", "There is no practice history in %1.")},
    // The command line's mistakes and what its sheet jobs report.
    {QT_TRANSLATE_NOOP("Messages", "Unknown option '%1'.")},
    {QT_TRANSLATE_NOOP("Messages", "Unknown options: %1.")},
    {QT_TRANSLATE_NOOP("Messages", "Missing value after '%1'.")},
    {QT_TRANSLATE_NOOP("Messages", "Unexpected value after '%1'.")},
    {QT_TRANSLATE_NOOP("Messages", "Unexpected argument '%1'.")},
    {QT_TRANSLATE_NOOP("Messages", "--paper takes A4 or Letter, not '%1'.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "--worksheets takes a number of sheets from 1 to 100, not '%1'.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "--seed takes a whole number from 0 to 18446744073709551615, not '%1'.")},
    {QT_TRANSLATE_NOOP("Messages", "Cannot read the answer log %1: %2")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The answer log %1 holds no star that can be read (first problem: %2)")},
    {QT_TRANSLATE_NOOP("Messages", "The answer log %1 holds no star that can be read")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The answer key cannot be written over the answer log %1 it is made from")},
    {QT_TRANSLATE_NOOP("Messages", "Answer key of %1 stars written to %2")},
    {QT_TRANSLATE_NOOP("Messages", "Cannot write to the folder %1: %2")},
    {QT_TRANSLATE_NOOP("Messages", "--level takes beginner or expert, not '%1'.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The folder %1 holds the sheets of an earlier batch (%2); choose an empty "
                       "folder or move them away first")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The page is too small for the classroom sheet (%1 x %2 twips)")},
    // Which sheet of a batch a page is, on the sheet and on its key page.
    {QT_TRANSLATE_NOOP("Messages", "Sheet %1 of %2 · seed %3")},
    {QT_TRANSLATE_NOOP("Messages", "seed %1")},
    {QT_TRANSLATE_NOOP("Messages", "Seed %1")},
    {QT_TRANSLATE_NOOP("Messages", "%1 worksheets and their answer key written to %2 (%3)")},
    {QT_TRANSLATE_NOOP("Messages", "The sheets could not be moved into %1: %2")},
    {QT_TRANSLATE_NOOP("Messages", "The history was exported to %1.")},
    {QT_TRANSLATE_NOOP("Messages", "The history could not be exported to %1: %2")},
    {QT_TRANSLATE_NOOP("Messages", "The history could not be forgotten: %1")},
    {QT_TRANSLATE_NOOP("Messages", "%1 later Checks of the same puzzles are not counted again.")},
    // A circle's place before the first puzzle.
    {QT_TRANSLATE_NOOP("Messages", "tone %1")},
    // The settings' and the practice history's notices and the reasons they give.
    {QT_TRANSLATE_NOOP("Messages",
                       "Velmora could not read your settings (%1), so it starts with the usual "
                       "ones.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "Velmora could not save your settings (%1). Your choices last until "
                       "Velmora closes.")},
    {QT_TRANSLATE_NOOP("Messages", "Cannot write %1: %2")},
    {QT_TRANSLATE_NOOP("Messages", "Cannot write %1")},
    {QT_TRANSLATE_NOOP("Messages", "could not write %1")},
    {QT_TRANSLATE_NOOP("Messages",
                       "Velmora cannot keep your practice history in %1 (%2). You can play as "
                       "usual, but this run's answers are not recorded.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "Your practice history %1 cannot be written, so Velmora shows it as it is "
                       "and does not record this run's answers.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "Your practice history %1 could not be read (%2), so Velmora has started "
                       "a new one. The old file is kept as %3.")},
    {QT_TRANSLATE_NOOP("Messages",
                       "Your practice history %1 was written by a newer version of Velmora. This "
                       "run leaves it as it is and does not record your answers.")},
    {QT_TRANSLATE_NOOP("Messages", "%1, and another copy of Velmora is opening it")},
    {QT_TRANSLATE_NOOP("Messages", "%1, and it cannot be moved aside")},
    {QT_TRANSLATE_NOOP("Messages", "it is damaged: %1")},
    // Printing's failures.
    {QT_TRANSLATE_NOOP("Messages", "The printer reports a page without size (%1 x %2 twips)")},
    {QT_TRANSLATE_NOOP("Messages",
                       "The page is too large to lay out the worksheet (%1 x %2 twips)")},
    {QT_TRANSLATE_NOOP("Messages", "The worksheet could not be saved as %1: %2")},
    {QT_TRANSLATE_NOOP("Messages", "The answer key could not be saved as %1: %2")},
    {QT_TRANSLATE_NOOP("Messages", "The answer log %1 could not be opened: %2")},
    {QT_TRANSLATE_NOOP("Messages", "The answer log %1 could not be written: %2")},
    {QT_TRANSLATE_NOOP("Messages", "The batch's own log records could not be read back (%1)")},
    {QT_TRANSLATE_NOOP("Messages", "Worksheet %1 of %2 failed: %3")},
    {QT_TRANSLATE_NOOP("Messages", "%1 (error %2)")},
    // The parts of an answer log that could not be read, and why.
    {QT_TRANSLATE_NOOP("Messages", "line %1: %2")},
    {QT_TRANSLATE_NOOP("Messages", "'%1' is not a note: %2")},
    {QT_TRANSLATE_NOOP("Messages", "only %1 of the five notes (the record is cut off)")},
    {QT_TRANSLATE_NOOP("Messages", "the time %1 is not a time of day")},
    {QT_TRANSLATE_NOOP("Messages", "the notes %1 do not spell %2 around %3")},
    {QT_TRANSLATE_NOOP("Messages", "star %1 has %2 of its 4 chord lines")},
    {QT_TRANSLATE_NOOP("Messages", "the chord lines of star %1 do not share one centre note")},
    {QT_TRANSLATE_NOOP("Messages", "the accidental must be b, bb, bbb, bbbb, #, x or ###, not %1")},
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
    QT_TRANSLATE_NOOP("Messages", "Accuracy per chord type"),
    QT_TRANSLATE_NOOP("Messages", "Accuracy per key"),
    QT_TRANSLATE_NOOP("Messages", "Answers by kind"),
    QT_TRANSLATE_NOOP("Messages", "Tones most often missed"),
    QT_TRANSLATE_NOOP("Messages", "Trend over the last weeks"),
    QT_TRANSLATE_NOOP("Messages", "Right"),
    QT_TRANSLATE_NOOP("Messages", "Right pitch, wrong spelling"),
    QT_TRANSLATE_NOOP("Messages", "Wrong"),
    QT_TRANSLATE_NOOP("Messages", "Empty"),
    QT_TRANSLATE_NOOP("Messages", "Root"),
    QT_TRANSLATE_NOOP("Messages", "Third"),
    QT_TRANSLATE_NOOP("Messages", "Fifth"),
    QT_TRANSLATE_NOOP("Messages", "Seventh"),
    QT_TRANSLATE_NOOP("Messages", "Ninth"),
    QT_TRANSLATE_NOOP("Messages",
                      "This run keeps no practice history, so there is no progress to show."),
    QT_TRANSLATE_NOOP("Messages",
                      "No answers are recorded yet. Create a puzzle, fill in the circles and "
                      "press Check: your progress will show here."),
    QT_TRANSLATE_NOOP("Messages",
                      "Forget every recorded answer? Your progress cannot be brought back."),
    QT_TRANSLATE_NOOP("Messages", "Your history is forgotten."),
    QT_TRANSLATE_NOOP("Messages", "The MIDI device is no longer there: no sound will be heard."),
    QT_TRANSLATE_NOOP("Messages",
                      "The built-in synthesizer found no General MIDI soundfont: no sound will "
                      "be heard."),
    QT_TRANSLATE_NOOP("Messages",
                      "Failed to create the built-in synthesizer: no sound will be heard."),
    QT_TRANSLATE_NOOP("Messages",
                      "The ALSA sequencer is not available: MIDI ports cannot be used."),
    QT_TRANSLATE_NOOP("Messages", "Failed to open the MIDI output port: no sound will be heard."),
    QT_TRANSLATE_NOOP("Messages", "No MIDI device is open: the chord cannot be played."),
    QT_TRANSLATE_NOOP("Messages", "The MIDI message is not valid and was not sent."),
    QT_TRANSLATE_NOOP("Messages", "Failed to send the MIDI message: the chord may not sound."),
    QT_TRANSLATE_NOOP("Messages",
                      "The connection to the audio server was lost: no sound will be heard."),
    QT_TRANSLATE_NOOP("Messages", "Built-in synthesizer (no soundfont)"),
    QT_TRANSLATE_NOOP("Messages",
                      "--output, --seed, --paper, --level, --advanced, --centre-question and "
                      "--classroom go with --answer-key or --worksheets."),
    QT_TRANSLATE_NOOP("Messages", "--answer-key and --worksheets cannot be used together."),
    QT_TRANSLATE_NOOP("Messages", "--worksheets needs --output DIR."),
    QT_TRANSLATE_NOOP("Messages", "--answer-key needs --output FILE.pdf."),
    QT_TRANSLATE_NOOP("Messages",
                      "--seed, --level, --advanced and --centre-question go with --worksheets "
                      "only."),
    // Why a file that is there cannot be read.
    QT_TRANSLATE_NOOP("Messages", "it is a named pipe, not a file"),
    QT_TRANSLATE_NOOP("Messages", "it is a folder, not a file"),
    QT_TRANSLATE_NOOP("Messages", "it is a socket, not a file"),
    QT_TRANSLATE_NOOP("Messages", "it is a device, not a file"),
    QT_TRANSLATE_NOOP("Messages", "it is a special file, not a file"),
    QT_TRANSLATE_NOOP("Messages",
                      "Work your way tru these chords in left/right or up/down direction."),
    QT_TRANSLATE_NOOP("Messages", "Worksheet created by Velmora"),
    QT_TRANSLATE_NOOP("Messages",
                      "Spell each chord along its line towards its name: across, down and on "
                      "both diagonal lines."),
    QT_TRANSLATE_NOOP("Messages",
                      "Name: ____________________   Class: ________   Date: ______________"),
    QT_TRANSLATE_NOOP("Messages",
                      "Answer key: every chord reads from its far end towards its name."),
    QT_TRANSLATE_NOOP("Messages", "Answer key created by Velmora"),
    QT_TRANSLATE_NOOP("Messages", "1 later Check of the same puzzle is not counted again."),
    QT_TRANSLATE_NOOP("Messages", "it is not a settings file Velmora can read"),
    QT_TRANSLATE_NOOP("Messages", "no practice history is kept in this run"),
    QT_TRANSLATE_NOOP("Messages", "the folder cannot be created"),
    QT_TRANSLATE_NOOP("Messages", "the folder does not allow a write-ahead log"),
    QT_TRANSLATE_NOOP("Messages", "it cannot be written, and no copy of it can be made to read"),
    QT_TRANSLATE_NOOP("Messages", "it was written by a newer version of Velmora"),
    QT_TRANSLATE_NOOP("Messages", "it is not a Velmora practice history"),
    QT_TRANSLATE_NOOP("Messages", "Canceled by the user"),
    QT_TRANSLATE_NOOP("Messages", "The printer has no document started"),
    QT_TRANSLATE_NOOP("Messages", "The printer could not start the page"),
    QT_TRANSLATE_NOOP("Messages", "The page could not be sent to the printer"),
    QT_TRANSLATE_NOOP("Messages", "the PDF could not be started"),
    QT_TRANSLATE_NOOP("Messages", "a page could not be added"),
    QT_TRANSLATE_NOOP("Messages", "there is no star to put in it"),
    QT_TRANSLATE_NOOP("Messages", "the PDF could not be finished"),
    QT_TRANSLATE_NOOP("Messages", "another program keeps removing it"),
    QT_TRANSLATE_NOOP("Messages", "another program keeps it locked"),
    QT_TRANSLATE_NOOP("Messages", "more than five notes"),
    QT_TRANSLATE_NOOP("Messages", "no chord type of the program after the time"),
    QT_TRANSLATE_NOOP("Messages", "no star number 1 to 6 between the date and the time"),
    QT_TRANSLATE_NOOP("Messages", "no time of day (hh:mm:ss)"),
    QT_TRANSLATE_NOOP("Messages", "star number 1 to 6 expected before the time"),
    QT_TRANSLATE_NOOP("Messages", "no date before the star number"),
    QT_TRANSLATE_NOOP("Messages", "there is no note name"),
    QT_TRANSLATE_NOOP("Messages", "a note name begins with a capital letter A to G"),
    QT_TRANSLATE_NOOP("Messages", "a double sharp is written x, as in Fx"),
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
  static const QRegularExpression kPlaceholder(R"(%\d)");
  QString pattern;
  qsizetype from = 0;
  for (QRegularExpressionMatchIterator it = kPlaceholder.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch found = it.next();
    pattern += QRegularExpression::escape(text.mid(from, found.capturedStart() - from)) + "(.*?)";
    from = found.capturedEnd();
  }
  pattern += QRegularExpression::escape(text.mid(from));
  return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                            QRegularExpression::DotMatchesEverythingOption);
}

// The template with each %n replaced by value n in one pass, so that a value holding "%2" is
// not taken for a placeholder.
QString filled(const QString& pattern, const QStringList& values) {
  QString text;
  for (qsizetype at = 0; at < pattern.size(); ++at) {
    const QChar c = pattern[at];
    const int n = at + 1 < pattern.size() ? pattern[at + 1].digitValue() : -1;
    if (c == '%' && n >= 1 && n <= values.size()) {
      text += values[n - 1];
      ++at;
    } else {
      text += c;
    }
  }
  return text;
}

using Translator = std::function<QString(const char* context, const char* english)>;

// A chord type as the core says it for screen readers ("minor seventh, sharp five"), in the
// window's words; empty for any other text.
QString chord_from_spoken(const QString& text) {
  static const std::vector<std::pair<QString, std::string_view>> kSpoken = [] {
    std::vector<std::pair<QString, std::string_view>> said;
    for (const ChordType& type : kChordCatalogue) {
      said.emplace_back(QString::fromStdString(spoken_chord(type.name)), type.name);
    }
    return said;
  }();
  for (const auto& [words, name] : kSpoken) {
    if (words == text) return chord_type_in_words(name);
  }
  return {};
}

// A formula's intervals as the core says them for screen readers, the root's first.
const char* const kIntervals[] = {
    QT_TRANSLATE_NOOP("Intervals", "root"),       QT_TRANSLATE_NOOP("Intervals", "two"),
    QT_TRANSLATE_NOOP("Intervals", "flat three"), QT_TRANSLATE_NOOP("Intervals", "three"),
    QT_TRANSLATE_NOOP("Intervals", "four"),       QT_TRANSLATE_NOOP("Intervals", "sharp four"),
    QT_TRANSLATE_NOOP("Intervals", "flat five"),  QT_TRANSLATE_NOOP("Intervals", "five"),
    QT_TRANSLATE_NOOP("Intervals", "sharp five"), QT_TRANSLATE_NOOP("Intervals", "six"),
    QT_TRANSLATE_NOOP("Intervals", "flat seven"), QT_TRANSLATE_NOOP("Intervals", "seven"),
    QT_TRANSLATE_NOOP("Intervals", "flat nine"),  QT_TRANSLATE_NOOP("Intervals", "nine"),
    QT_TRANSLATE_NOOP("Intervals", "sharp nine"),
};

const char* spoken_interval(const QString& text) {
  for (const char* english : kIntervals) {
    if (text == QLatin1String(english)) return english;
  }
  return nullptr;
}

// A note as the core says it for screen readers ("E flat", "C double sharp").
std::optional<NoteName> spoken_english_note(const QString& text) {
  static const QRegularExpression kSaid(R"(([A-G])(?: (double flat|flat|sharp|double sharp))?)");
  const QRegularExpressionMatch match = kSaid.match(text, 0, QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption);
  if (!match.hasMatch() || match.capturedLength() != text.size()) return std::nullopt;
  const QString accidental = match.captured(2);
  const int alteration = accidental == "double flat" ? -2
                         : accidental == "flat"      ? -1
                         : accidental == "sharp"     ? 1
                         : accidental == "double sharp" ? 2
                                                        : 0;
  return NoteName(match.captured(1)[0].toLatin1(), alteration);
}

QString worded(const std::string& english, NoteNaming naming, const Translator& translate) {
  const QString text = QString::fromStdString(english);
  // Multi-line texts end their lines in CR LF; the translations' sources in line feeds alone.
  const QString plain = QString(text).remove('\r');
  for (const char* fixed : kFixedTexts) {
    if (plain == QLatin1String(fixed)) return translate("Messages", fixed);
  }
  // Made once: the window words every circle's description after each handler.
  static const std::vector<QRegularExpression> kPatterns = [] {
    std::vector<QRegularExpression> made;
    for (const MessageTemplate& message : kTemplates) made.push_back(pattern_of(message.english));
    return made;
  }();
  for (std::size_t i = 0; i < std::size(kTemplates); ++i) {
    const MessageTemplate& message = kTemplates[i];
    const QRegularExpressionMatch match = kPatterns[i].match(text);
    if (!match.hasMatch()) continue;
    QStringList values;
    for (int index = 1; index <= match.lastCapturedIndex(); ++index) {
      const QString value = match.captured(index);
      const bool may_be_note = (message.notes >> (index - 1) & 1) != 0;
      if (may_be_note && NoteName::from_text(value.toStdString())) {
        values << shown_caption(value.toStdString(), naming);
      } else if (const std::optional<NoteName> said = spoken_english_note(value);
                 may_be_note && said) {
        values << spoken_in(*said, naming);
      } else if (const QString chord = chord_from_spoken(value); !chord.isEmpty()) {
        values << chord;
      } else if (const char* interval = spoken_interval(value)) {
        values << translate("Intervals", interval);
      } else {
        // Other values may be texts of their own ("Root", "Right pitch, wrong spelling").
        values << worded(value.toStdString(), naming, translate);
      }
    }
    return filled(translate("Messages", message.english), values);
  }
  // A list of reasons, one a line, and a sentence that ends a reason with its own full stop.
  if (plain.contains('\n')) {
    QStringList lines = plain.split('\n');
    for (QString& line : lines) line = worded(line.toStdString(), naming, translate);
    // Untouched, the text keeps its own line ends.
    return lines.join('\n') == plain ? text : lines.join('\n');
  }
  if (plain.endsWith('.') && plain.size() > 1) {
    return worded(plain.chopped(1).toStdString(), naming, translate) + '.';
  }
  return text;
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

QString spoken_in(const NoteName& note, NoteNaming naming) {
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

QString interval_in_words(const std::string& spoken) {
  const char* interval = spoken_interval(QString::fromStdString(spoken));
  return interval != nullptr ? translated("Intervals", interval) : QString::fromStdString(spoken);
}

QString shown_message(const std::string& english, NoteNaming naming) {
  return worded(english, naming, translated);
}

QString shown_message(const std::string& english, NoteNaming naming,
                      const Translations& translations) {
  return worded(english, naming, [&translations](const char* context, const char* text) {
    return translations.text(context, text);
  });
}

std::string shown_lines(const std::string& text) {
  constexpr std::string_view kProgram = "velmora: ";
  std::string shown;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = std::min(text.find('\n', from), text.size());
    std::string line = text.substr(from, end - from);
    const bool told = line.starts_with(kProgram);
    if (told) line.erase(0, kProgram.size());
    shown += (told ? std::string(kProgram) : std::string()) +
             shown_message(line, NoteNaming::Letters).toStdString();
    if (end < text.size()) shown += '\n';
    from = end + 1;
  }
  return shown;
}


ProgressText shown_progress(ProgressText text, NoteNaming naming) {
  const auto shown = [naming](std::string& english) {
    english = shown_message(english, naming).toStdString();
  };
  // The overview's second sentence, on later Checks, is a text of its own.
  const std::size_t second = text.overview.find(". ");
  if (second == std::string::npos) {
    shown(text.overview);
  } else {
    std::string first = text.overview.substr(0, second + 1);
    std::string rest = text.overview.substr(second + 2);
    shown(first);
    shown(rest);
    text.overview = first + " " + rest;
  }
  for (ProgressSection* section :
       {&text.chord_types, &text.keys, &text.classes, &text.tones, &text.weeks}) {
    shown(section->title);
    for (std::string& line : section->lines) shown(line);
    for (ChartPoint& point : section->points) {
      point.name = NoteName::from_text(point.name)
                       ? shown_caption(point.name, naming).toStdString()
                       : shown_message(point.name, naming).toStdString();
    }
  }
  return text;
}

}  // namespace velmora
