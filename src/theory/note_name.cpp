#include "theory/note_name.h"

#include <array>

namespace velmora {
namespace {

constexpr std::array<int, 7> kLetterSemitones = {0, 2, 4, 5, 7, 9, 11};

constexpr int kFixedWidth = 4;

}  // namespace

ParsedNote NoteName::parse(std::string_view text) {
  if (const std::optional<NoteName> note = from_text(text)) return {note, {}};
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {std::nullopt, "there is no note name"};
  if (kLetters.find(text[start]) == std::string_view::npos) {
    return {std::nullopt, "a note name begins with a capital letter A to G"};
  }
  const std::string_view accidental = text.substr(start + 1);
  if (accidental == "##") return {std::nullopt, "a double sharp is written x, as in Fx"};
  std::string reason = "the accidental must be b, bb, bbb, bbbb, #, x or ###, not ";
  reason.append(accidental);
  return {std::nullopt, reason};
}

int NoteName::semitones_from_c() const {
  return kLetterSemitones[kLetters.find(letter_)] + alteration_;
}

int NoteName::pitch_class() const { return (semitones_from_c() % 12 + 12) % 12; }

std::string NoteName::text() const {
  return std::string(1, letter_).append(kAccidentals[alteration_ - kLowestAlteration]);
}

std::string NoteName::fixed_width() const {
  const std::string name = text();
  if (name.size() >= kFixedWidth) return name;
  return std::string(kFixedWidth - name.size(), ' ') + name;
}

std::string NoteName::worksheet_form() const {
  const std::string name = text();
  return name.size() == 1 ? " " + name : name;
}

std::string Pad_Note(const std::optional<NoteName>& name) {
  return name ? name->fixed_width() : std::string();
}

}  // namespace velmora
