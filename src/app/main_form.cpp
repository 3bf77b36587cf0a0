#include "app/main_form.h"

#include "hints/hints.h"
#include "ports/window_system.h"
#include "puzzle/answers.h"
#include "puzzle/draws.h"
#include "theory/chords.h"

namespace velmora {

void MainForm::Form_Load() {
  MidiMapperMissing = false;
  Fill_Key_Tables(key_tables);
  Fill_Chord_Types(Chord_Types, controls.Option2);
  FillMidiDeviceList(platform_.midi, controls.List1, MidiMapperMissing);
  if (MidiMapperMissing) {
    controls.check_midi.value = 0;
    controls.check_midi.enabled = false;
  } else {
    controls.List1.selected = 0;
    MidiClose(midi_out());
    MidiOpen(midi_out(),
             static_cast<std::int16_t>(controls.List1.entries[controls.List1.selected].item_data));
  }
  for (Label& label : controls.circles) label.caption.clear();
  Correct_Count = 17;
}

void MainForm::Form_Unload() { MidiClose(midi_out()); }

void MainForm::Option1_Click() { Fill_Chord_Types(Chord_Types, controls.Option2); }

void MainForm::Option2_Click() { Fill_Chord_Types(Chord_Types, controls.Option2); }

void MainForm::Create_Puzzle_Click() {
  if (Correct_Count < 17) {
    const Answer answer = platform_.windows.show_message(
        {"Are You sure you want to create a new Velmora?", Buttons::OkCancel});
    if (answer == Answer::Cancel) return;
  }
  Correct_Count = 0;
  board.Regenerate = true;
  while (board.Regenerate) {
    board.Regenerate = false;
    for (Label& label : controls.circles) label.enabled = true;
    for (std::string& note : board.Circle_Notes) note.clear();
    Draw_Distinct_Chord_Types(board, Chord_Types, platform_.random);
    controls.hints = board.Chords;
    Draw_Key(board, key_tables.Key_Names, platform_.random);
    circle_note(board.Circle_Notes, kCentreCircle) = board.Drawn_Key;
    Spell_Chord_Lines(key_tables, board.Chords, board.Circle_Notes, board.Tone_Index,
                      platform_.windows);
    if (!controls.advanced.checked()) Reject_Long_Notes(board);
    Show_Puzzle();
  }
  for (std::string& note : board.Circle_Notes) note = Pad_Note(note);
}

void MainForm::Show_Puzzle() {
  const int given = Draw_Given_Circle(platform_.random, controls.Center_Question.checked());
  Show_Given_Note(controls.circles, board.Circle_Notes, given);
}

void MainForm::Command_Check_Click() {
  Correct_Count = Count_Correct(board.Circle_Notes, controls.circles);
  platform_.windows.show_message({Check_Message(Correct_Count)});
}

void MainForm::Circle_DragDrop(int circle, std::string_view source_text) {
  if (!controls.circles[circle - 1].enabled) return;
  Drop_On_Circle(controls.circles, circle, source_text);
}

void MainForm::Help_cmd_Click() { platform_.windows.show_about(); }

MidiOut MainForm::midi_out() {
  return {platform_.midi, platform_.windows, hMidiOut, controls.check_midi,
          controls.Frame1_enabled};
}

void MainForm::Hint1_Click() {
  Hint_Click(1, board, controls.circles, midi_out(), platform_.clock, PauseStart, PauseNow);
}

void MainForm::Hint2_Click() {
  Hint_Click(2, board, controls.circles, midi_out(), platform_.clock, PauseStart, PauseNow);
}

void MainForm::Hint3_Click() {
  Hint_Click(3, board, controls.circles, midi_out(), platform_.clock, PauseStart, PauseNow);
}

void MainForm::Hint4_Click() {
  Hint_Click(4, board, controls.circles, midi_out(), platform_.clock, PauseStart, PauseNow);
}

void MainForm::List1_Click() {
  const ListBox& list = controls.List1;
  if (list.selected < 0 || list.selected >= static_cast<int>(list.entries.size())) return;
  MidiClose(midi_out());
  MidiOpen(midi_out(), static_cast<std::int16_t>(list.entries[list.selected].item_data));
}

}  // namespace velmora
