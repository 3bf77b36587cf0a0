#pragma once

#include <cstdint>
#include <string_view>

#include "app/controls.h"
#include "midi/midi_out.h"
#include "ports/midi_system.h"
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
  MidiSystem& midi;
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

  void Hint1_Click();
  void Hint2_Click();
  void Hint3_Click();
  void Hint4_Click();
  // Opens the device of the selected entry of `controls.List1`, closing the open one first.
  void List1_Click();

  // Prints a worksheet after confirmation, then recreates the on-screen puzzle, whose board
  // the worksheet has overwritten.
  void WorkSheet_cmd_Click();

  MainFormControls controls;
  std::int16_t Correct_Count = 0;
  KeyTables key_tables;
  FramedList Chord_Types;
  Board board;
  MidiHandle hMidiOut = 0;
  bool MidiMapperMissing = false;
  std::int16_t PauseStart = 0;
  std::int16_t PauseNow = 0;

 private:
  void Show_Puzzle();
  MidiOut midi_out();

  Platform platform_;
};

}  // namespace velmora
