#include "theory/chord_words.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "theory/chords.h"

namespace velmora {
namespace {

constexpr std::array<std::pair<std::string_view, ChordWord>, 7> kFamilies = {{
    {"6/9", ChordWord::SixNine},
    {"Maj9", ChordWord::MajorNinth},
    {"Dom7", ChordWord::DominantSeventh},
    {"Dom9", ChordWord::DominantNinth},
    {"Min6/9", ChordWord::MinorSixNine},
    {"Min7", ChordWord::MinorSeventh},
    {"Min9", ChordWord::MinorNinth},
}};

constexpr std::array<std::pair<std::string_view, ChordWord>, 8> kAlterations = {{
    {"b5", ChordWord::FlatFive},
    {"#5", ChordWord::SharpFive},
    {"b9", ChordWord::FlatNine},
    {"#9", ChordWord::SharpNine},
    {"#4", ChordWord::SharpFour},
    {"sus", ChordWord::SuspendedFourth},
    {"sus2", ChordWord::SuspendedSecond},
    {"maj7", ChordWord::MajorSeventh},
}};

template <std::size_t N>
std::optional<ChordWord> word_of(const std::array<std::pair<std::string_view, ChordWord>, N>& words,
                                 std::string_view part) {
  for (const auto& [text, word] : words) {
    if (text == part) return word;
  }
  return std::nullopt;
}

}  // namespace

std::vector<ChordWord> chord_type_words(std::string_view chord_type_name) {
  if (find_chord_type(chord_type_name) == nullptr) return {};
  std::vector<ChordWord> words;
  std::size_t start = 0;
  while (start <= chord_type_name.size()) {
    const std::size_t end = std::min(chord_type_name.find('_', start), chord_type_name.size());
    const std::string_view part = chord_type_name.substr(start, end - start);
    const std::optional<ChordWord> word =
        words.empty() ? word_of(kFamilies, part) : word_of(kAlterations, part);
    if (!word) return {};
    words.push_back(*word);
    start = end + 1;
  }
  return words;
}

}  // namespace velmora
