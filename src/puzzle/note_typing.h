#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "theory/note_naming.h"

namespace velmora {

// Where typing into a circle stands after a key: what has been typed of the current name and
// the note it names once it is complete ("fi" names nothing yet, "fis" names F#).
struct TypingState {
  std::string typed;
  std::optional<NoteName> note;
};

// Typing `key` (one character, UTF-8) after `typed`. With letters, a letter starts a new name
// and "b", "#" and "x" add to it, as before. With German names and fixed do, the key continues
// the name while some palette name still begins with what is typed, and otherwise starts a new
// one. None when the key can neither continue nor start a name: the circle stays as it is.
std::optional<TypingState> type_note_key(std::string_view typed, std::string_view key,
                                         NoteNaming naming);

}  // namespace velmora
