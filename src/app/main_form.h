#pragma once

#include <cstdint>
#include <string_view>

#include "app/controls.h"
#include "app/practice.h"
#include "midi/midi_out.h"
#include "ports/midi_system.h"
#include "ports/practice_history.h"
#include "ports/settings_store.h"
#include "puzzle/board.h"
#include "puzzle/review.h"
#include "theory/note_naming.h"
#include "theory/notes.h"
#include "worksheet/page.h"

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
  // The learner's history; none when the run keeps no history.
  PracticeHistory* history = nullptr;
  // Where the player's choices are kept; none (as in most tests) starts from the defaults and
  // keeps nothing.
  SettingsStore* settings = nullptr;
};

// The main window's state and its event handlers, free of any toolkit. The Qt window calls a
// handler for each event and then shows `controls()`.
class MainForm {
 public:
  explicit MainForm(Platform platform) : platform_(platform), midi_out_(platform.midi) {}

  void Form_Load();
  // Ends the program's part of the run; the shell quits right after it.
  void Form_Unload();

  // The level options: each selects its level and rebuilds the list later draws use.
  void Option1_Click() { select_level(false); }
  void Option2_Click() { select_level(true); }
  // The check boxes have no handlers; the player's changes are kept for later handlers and in
  // the settings.
  void set_advanced(bool checked);
  void set_centre_question(bool checked);
  void set_midi_enabled(bool checked);
  // Weak-spot practice: Create draws chord types and keys weighted toward the recent mistakes
  // in the history; off, the draws are uniform.
  void set_weak_spot_practice(bool on);
  bool weak_spot_practice() const { return weak_spots_; }
  // The language and note names chosen in the window, kept for the next start.
  void set_language_choice(std::string code);
  void set_note_names_choice(std::string word);
  // The history was changed from outside a Check, as by forgetting it.
  void history_changed() { refresh_weights(); }
  bool keeps_history() const { return platform_.history != nullptr; }
  // The names printed worksheets give their notes in; answers and logs keep the letters.
  void set_note_naming(NoteNaming naming) { note_naming_ = naming; }

  void Create_Puzzle_Click();
  void Command_Check_Click();
  // The drop handlers of the 17 circle labels share this; `circle` is 1..17. A name typed on
  // the keyboard or picked from a menu comes the same way. False when the circle takes nothing
  // (the given one) or the text is no palette name.
  bool circle_drop(int circle, std::string_view source_text);
  // Empties a circle the player may change; false for the given one.
  bool clear_circle(int circle);
  // Shows the circle's right note in it, as if the player had dropped it there.
  bool reveal_note(int circle);
  // Each circle's entry against its answer, in words.
  std::array<CircleReview, kCircleCount> review() const;
  std::string circle_description(int circle) const;
  // Sounds the notes the player has on the line (1..4), voiced like the hint's chord, for as
  // long as a hint's pause; empty circles and names that are no notes are left out.
  void play_answer(int line);

  void Help_cmd_Click();

  void Hint1_Click() { hint_click(1); }
  void Hint2_Click() { hint_click(2); }
  void Hint3_Click() { hint_click(3); }
  void Hint4_Click() { hint_click(4); }
  // Selects the entry `row` of the device list and opens its device, closing the open one first.
  void List1_Click(int row);

  // Prints a worksheet after confirmation, then puts a new puzzle on the screen.
  void WorkSheet_cmd_Click() { print_sheet(PageStyle::Standard); }
  // The same with the classroom page, from the Work Sheet button's context menu.
  void classroom_sheet_click() { print_sheet(PageStyle::Classroom); }
  // A sheet came out on `paper` (its name); kept for the window's answer key to propose.
  void sheet_printed(const std::string& paper, bool classroom);
  const Settings& kept_settings() const { return settings_; }

  const MainFormControls& controls() const { return controls_; }
  const Board& board() const { return board_; }
  std::int16_t correct_count() const { return Correct_Count_; }
  const FramedList& chord_types() const { return Chord_Types_; }

 private:
  void print_sheet(PageStyle style);
  void select_level(bool expert);
  void Show_Puzzle();
  void hint_click(int line);
  void show_unknown_chords(const std::vector<int>& lines);
  // Shows a failure's text and switches MIDI off for the rest of the run.
  void ReportMidiError(MidiResult result);
  void report_midi(MidiResult result) {
    if (result != MidiResult::Ok) ReportMidiError(result);
  }
  void send_midi(ShortMessage message) { report_midi(midi_out_.SendMidiShort(message)); }
  void play(const std::array<std::optional<NoteName>, kChordTones>& notes);
  // Hands the Check to the history; the first failure is told and ends recording for the run.
  void record_check();
  void refresh_weights();
  // Applies the kept settings, the device last; tells once when they could not be read.
  void load_settings();
  // Keeps the player's choices; the first failure is told, later ones are not.
  void save_settings();

  Platform platform_;
  // The player's own choices: the device chosen stays chosen while it is missing, and MIDI
  // switched off by a failure stays wanted.
  Settings settings_;
  bool settings_loaded_ = false;
  bool settings_failed_ = false;
  MidiOut midi_out_;
  MainFormControls controls_;
  std::int16_t Correct_Count_ = 0;
  FramedList Key_Names_;
  FramedList Chord_Types_;
  Board board_;
  // Whether the puzzle on screen was checked already, and which of its notes were revealed.
  bool checked_ = false;
  RevealedCircles revealed_{};
  bool weak_spots_ = false;
  NoteNaming note_naming_ = NoteNaming::Letters;
  bool history_failed_ = false;
  std::vector<double> key_weights_;
  std::vector<double> chord_weights_;
};

}  // namespace velmora
