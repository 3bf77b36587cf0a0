#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "app/progress_text.h"
#include "theory/note_naming.h"

namespace velmora {

// A caption of the star or the palette ("  Eb", "F#") shown in the learner's note names, padded
// like the program's own four-character form so that short names stand where they always did.
// Anything that is not a note (a hint's interval, an empty circle) is shown as it is.
QString shown_caption(std::string_view caption, NoteNaming naming);

// What a screen reader says for a note, with the accidentals in the window's language.
QString spoken_in(const NoteName& note, NoteNaming naming);

// A chord type read out in words of the window's language ("minor seventh, sharp five, sharp
// nine"); empty for a name outside the catalogue.
QString chord_type_in_words(std::string_view chord_type_name);

// An interval of a chord's formula as the core says it ("flat three", "root"), in the window's
// words; any other text as it is.
QString interval_in_words(const std::string& spoken);

// A text the core tells the player (a message box, a review sentence), in the window's language
// and with its notes in the learner's names. Texts the program has no translation for, the
// Dutch messages among them, and system texts pass unchanged.
QString shown_message(const std::string& english, NoteNaming naming);

class Translations;
// The same before the application exists, from the translations themselves: the command line's
// mistakes.
QString shown_message(const std::string& english, NoteNaming naming,
                      const Translations& translations);

// Each line of a job's output as `shown_message` shows it; a leading "velmora: " is kept.
std::string shown_lines(const std::string& text);

// The progress in words and its charts' names, each text as `shown_message` shows it (UTF-8).
ProgressText shown_progress(ProgressText text, NoteNaming naming);

}  // namespace velmora
