#include "puzzle/note_typing.h"

#include "puzzle/review.h"

namespace velmora {

std::optional<TypingState> type_note_key(std::string_view typed, std::string_view key,
                                         NoteNaming naming) {
  if (naming == NoteNaming::Letters) {
    if (key.size() != 1) return std::nullopt;
    const std::optional<std::string> name = typed_name(typed, key[0]);
    if (!name) return std::nullopt;
    return TypingState{*name, NoteName::from_text(*name)};
  }
  std::string continued(typed);
  continued.append(key);
  if (begins_typed_name(continued, naming)) {
    return TypingState{continued, read_typed_name(continued, naming)};
  }
  if (begins_typed_name(key, naming)) {
    return TypingState{std::string(key), read_typed_name(key, naming)};
  }
  return std::nullopt;
}

}  // namespace velmora
