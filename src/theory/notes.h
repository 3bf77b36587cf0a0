#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "theory/note_name.h"

namespace velmora {

inline constexpr std::string_view kStart = "start";
inline constexpr std::string_view kStop = "stop";

// Readers of a framed list look no further than this position for "stop".
inline constexpr int kLastScannedPosition = 50;

// An ordered list framed by "start" at position 0 and "stop" after the last name; it carries
// no count, so readers find the length by scanning for "stop".
using FramedList = std::vector<std::string>;

// Entries counted from position 0 up to and including "stop" (0 when there is no "stop").
int count_framed_entries(const FramedList& list);

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

// The spelled chord tones of one root; entry i is slot i + 1.
using SpellingTable = std::array<NoteName, kSlotCount>;

// The 31 tables in lookup order, as they are written down; a name the program cannot read
// stops the build.
extern const std::array<SpellingTable, kSpellingTableCount> kSpellingTables;

// The 15 keys a puzzle's centre note is drawn from, framed by "start" and "stop".
FramedList Fill_Key_Tables();

}  // namespace velmora
