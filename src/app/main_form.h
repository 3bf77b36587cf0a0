#pragma once

#include <cstdint>
#include <string_view>

#include "app/controls.h"
#include "puzzle/board.h"
#include "theory/notes.h"

namespace velmora {

class WindowSystem;
class Random;
class Clock;
class Printer;
class AnswerLogFile;

// The platform behind the main window's handlers.
struct Platform {
  WindowSystem& windows;
  Random& random;
  Clock& clock;
  Printer& printer;
  AnswerLogFile& answer_log;
};

// The main window's state and its event handlers, free of any toolkit. The Qt window calls a
// handler for each event and then shows `controls`.
class MainForm {
 public:
  explicit MainForm(Platform platform) : platform_(platform) {}

  void Form_Load();
  // Ends the program's part of the run; the shell quits right after it.
  void Form_Unload();

  void Option1_Click();
  void Option2_Click();

  void Create_Puzzle_Click();
  void Command_Check_Click();
  // The drop handlers of the 17 circle labels share this; `circle` is 1..17.
  void Circle_DragDrop(int circle, std::string_view source_text);

  void Help_cmd_Click();

  // Prints a worksheet after confirmation, then recreates the on-screen puzzle, whose board
  // the worksheet has overwritten.
  void WorkSheet_cmd_Click();

  MainFormControls controls;
  std::int16_t Correct_Count = 0;
  KeyTables key_tables;
  FramedList Chord_Types;
  Board board;

 private:
  void Show_Puzzle();

  Platform platform_;
};

}  // namespace velmora
