#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr std::string_view kStart = "start";
inline constexpr std::string_view kStop = "stop";

// Readers of a framed list look no further than this position for "stop".
inline constexpr int kLastScannedPosition = 50;

// An ordered list framed by "start" at position 0 and "stop" after the last name; it carries
// no count, so readers find the length by scanning for "stop".
using FramedList = std::vector<std::string>;

// Entries counted from position 0 up to and including "stop" (0 when there is no "stop").
int Count_Framed_Entries(const FramedList& list);

// The note name right-aligned in four characters ("   C", "  C#", " Cbb"); an empty text and
// names of four or more characters come back unchanged.
std::string Pad_Note(std::string_view name);

// The tone slots of a spelling table; slot number = position in the table.
enum Slot : int {
  kRoot = 1,
  kMinorThird = 2,
  kMajorThird = 3,
  kFourth = 4,
  kFlatFifth = 5,
  kFifth = 6,
  kSharpFifth = 7,
  kSixth = 8,
  kDiminishedSeventh = 9,
  kMinorSeventh = 10,
  kMajorSeventh = 11,
  kFlatNinth = 12,
  kNinth = 13,
  kSharpNinth = 14,
  kEleventh = 15,
  kSharpEleventh = 16,
  kFlatThirteenth = 17,
  kThirteenth = 18,
};

inline constexpr int kSlotCount = 18;
inline constexpr int kSpellingTableCount = 31;

// Positions 0 ("start") to 19 ("stop"); positions 1..18 are the chord-tone slots.
using SpellingTable = std::array<std::string_view, kSlotCount + 2>;

// The spelled chord tones of the 31 roots, in lookup order; column i is slot i + 1.
extern const std::array<std::array<std::string_view, kSlotCount>, kSpellingTableCount>
    kSpellingRows;

struct KeyTables {
  FramedList Key_Names;
  std::array<SpellingTable, kSpellingTableCount> Spelling_Tables{};
};

void Fill_Key_Tables(KeyTables& tables);

}  // namespace velmora
