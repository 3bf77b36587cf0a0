#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle/board.h"

namespace velmora {

// The control names of the circle labels, with their case as the window has them.
inline constexpr std::array<std::string_view, kCircleCount> kCircleLabelNames = {
    "Text_Bol1", "text_Bol2", "Text_Bol3", "Text_Bol4", "Text_bol5", "Text_bol6",
    "Text_Bol7", "Text_Bol8", "Text_Bol9", "Text_BolA", "Text_BolB", "Text_BolC",
    "Text_BolD", "Text_BolE", "Text_BolF", "Text_BolG", "text_BolH"};

// The captions of the palette labels Noot(0) .. Noot(34), by index.
inline constexpr std::array<std::string_view, 35> kPaletteNames = {
    "C",   "E",   "D",   "F",   "G",   "A",   "B",   "Cb", "Db", "Eb", "Fb", "Gb",
    "Ab",  "Bb",  "Cbb", "Dbb", "Ebb", "Fbb", "Gbb", "Abb", "Bbb", "C#", "D#", "E#",
    "F#",  "G#",  "A#",  "B#",  "Cx",  "Dx",  "Ex",  "Fx",  "Gx",  "Ax", "Bx"};

struct CheckBox {
  int value = 0;  // 0 unchecked, 1 checked
  bool enabled = true;
  bool checked() const { return value == 1; }
};

struct ListEntry {
  std::string text;
  std::int32_t item_data = 0;
};

struct ListBox {
  std::vector<ListEntry> entries;
  int selected = -1;
};

// Everything the handlers read or write on the main window. The Qt window shows this struct
// after every handler and writes the player's changes of check boxes and options back into it.
struct MainFormControls {
  CircleLabels circles{{{"   1"}, {" 2"}, {"3"}, {"4"}, {"5"}, {"6"}, {"7"}, {"8"}, {"9"},
                        {"A"}, {"B"}, {"C"}, {"D"}, {"E"}, {"F"}, {"G"}, {"H"}}};
  std::array<std::string, kChordLineCount> hints{"min 9", "Maj 9", "9 sus4", "dom 9"};
  CheckBox advanced{0};
  CheckBox Center_Question{0};
  CheckBox check_midi{1};
  bool Option2 = true;  // "Expert"; "Beginner" (Option1) is selected when this is false
  bool frame1_enabled = true;
  ListBox List1;
};

}  // namespace velmora
