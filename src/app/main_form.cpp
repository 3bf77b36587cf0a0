#include "app/main_form.h"

#include <algorithm>
#include <utility>

#include "app/practice.h"
#include "hints/hints.h"
#include "ports/clock.h"
#include "ports/window_system.h"
#include "puzzle/answers.h"
#include "puzzle/draws.h"
#include "puzzle/weighted_draws.h"
#include "theory/chords.h"

namespace velmora {
namespace {

std::string settings_unread_message(const std::string& problem) {
  return "Velmora could not read your settings (" + problem +
         "), so it starts with the usual ones.";
}

std::string settings_unsaved_message(const std::string& reason) {
  return "Velmora could not save your settings (" + reason +
         "). Your choices last until Velmora closes.";
}

}  // namespace

void MainForm::Form_Load() {
  Key_Names_ = Fill_Key_Tables();
  const MidiDeviceList list = FillMidiDeviceList(platform_.midi);
  controls_.List1.entries.clear();
  for (const MidiDevice& device : list.devices) {
    controls_.List1.entries.push_back({device.name, device.id});
  }
  load_settings();
  if (list.mapper_missing) {
    controls_.check_midi.value = 0;
    controls_.check_midi.enabled = false;
  } else {
    // The kept device by its name; when it is gone, the first entry, the built-in synthesizer.
    const std::vector<ListEntry>& entries = controls_.List1.entries;
    const auto kept = std::find_if(entries.begin(), entries.end(), [&](const ListEntry& entry) {
      return entry.text == settings_.device;
    });
    List1_Click(kept == entries.end() ? 0 : static_cast<int>(kept - entries.begin()));
  }
  for (Label& label : controls_.circles) label.caption.clear();
  Correct_Count_ = 17;
  settings_loaded_ = true;
}

void MainForm::load_settings() {
  std::string problem;
  if (platform_.settings != nullptr) settings_ = platform_.settings->load(problem);
  if (!problem.empty()) platform_.windows.show_message({settings_unread_message(problem)});
  controls_.Option2 = settings_.expert;
  Chord_Types_ = Fill_Chord_Types(settings_.expert);
  controls_.advanced.value = settings_.advanced ? 1 : 0;
  controls_.Center_Question.value = settings_.centre_question ? 1 : 0;
  controls_.check_midi.value = settings_.midi_enabled ? 1 : 0;
  weak_spots_ = settings_.weak_spots && keeps_history();
  refresh_weights();
}

void MainForm::save_settings() {
  if (!settings_loaded_ || platform_.settings == nullptr) return;
  const Status saved = platform_.settings->save(settings_);
  if (saved.ok() || std::exchange(settings_failed_, true)) return;
  platform_.windows.show_message({settings_unsaved_message(saved.failure().description)});
}

void MainForm::set_advanced(bool checked) {
  controls_.advanced.value = checked ? 1 : 0;
  settings_.advanced = checked;
  save_settings();
}

void MainForm::set_centre_question(bool checked) {
  controls_.Center_Question.value = checked ? 1 : 0;
  settings_.centre_question = checked;
  save_settings();
}

void MainForm::set_midi_enabled(bool checked) {
  controls_.check_midi.value = checked ? 1 : 0;
  settings_.midi_enabled = checked;
  save_settings();
}

void MainForm::Form_Unload() { report_midi(midi_out_.MidiClose()); }

void MainForm::select_level(bool expert) {
  controls_.Option2 = expert;
  Chord_Types_ = Fill_Chord_Types(expert);
  refresh_weights();
  settings_.expert = expert;
  save_settings();
}

void MainForm::sheet_printed(const std::string& paper, bool classroom) {
  settings_.sheet_paper = paper;
  settings_.sheet_classroom = classroom;
  save_settings();
}

void MainForm::set_weak_spot_practice(bool on) {
  weak_spots_ = on;
  refresh_weights();
  settings_.weak_spots = on;
  save_settings();
}

void MainForm::set_language_choice(std::string code) {
  settings_.language = std::move(code);
  save_settings();
}

void MainForm::set_note_names_choice(std::string word) {
  settings_.note_names = std::move(word);
  save_settings();
}

void MainForm::refresh_weights() {
  key_weights_.clear();
  chord_weights_.clear();
  if (!weak_spots_ || platform_.history == nullptr || history_failed_) return;
  const RecentTallies recent = platform_.history->recent(kRecentAnswers);
  key_weights_ = weak_spot_weights(Key_Names_, recent.by_key);
  chord_weights_ = weak_spot_weights(Chord_Types_, recent.by_chord_type);
}

void MainForm::Create_Puzzle_Click() {
  if (Correct_Count_ < 17) {
    const Answer answer = platform_.windows.show_message(
        {"Are You sure you want to create a new Velmora?", Buttons::OkCancel});
    if (answer == Answer::Cancel) return;
  }
  Correct_Count_ = 0;
  checked_ = false;
  revealed_ = {};
  bool Regenerate = true;
  while (Regenerate) {
    for (Label& label : controls_.circles) label.enabled = true;
    board_.Circle_Notes = {};
    const bool weighted = !chord_weights_.empty();
    board_.chords = weighted
                        ? choose_weighted_chords(Chord_Types_, chord_weights_, platform_.random)
                        : Choose_Worksheet_Chords(Chord_Types_, platform_.random);
    controls_.hints = board_.chords;
    circle_note(board_.Circle_Notes, kCentreCircle) =
        weighted ? draw_weighted_key(Key_Names_, key_weights_, platform_.random)
                 : Draw_Key(Key_Names_, platform_.random);
    show_unknown_chords(Spell_Chord_Lines(board_.chords, board_.Circle_Notes));
    Regenerate = !controls_.advanced.checked() && Reject_Long_Notes(board_.Circle_Notes);
    Show_Puzzle();
  }
}

void MainForm::Show_Puzzle() {
  const int given = draw_given_circle(platform_.random, controls_.Center_Question.checked());
  show_given_note(controls_.circles, board_.Circle_Notes, given);
}

void MainForm::show_unknown_chords(const std::vector<int>& lines) {
  for (int line : lines) platform_.windows.show_message({unknown_chord_message(line)});
}

void MainForm::Command_Check_Click() {
  Correct_Count_ = count_correct(board_.Circle_Notes, controls_.circles);
  record_check();
}

void MainForm::record_check() {
  CheckRecord check = make_check_record(board_, controls_.circles, controls_.Option2,
                                        platform_.clock.unix_seconds(), revealed_, checked_);
  Status recorded;
  const bool puzzle = circle_note(board_.Circle_Notes, kCentreCircle).has_value();
  if (platform_.history != nullptr && platform_.history->records() && !history_failed_ &&
      puzzle) {
    recorded = platform_.history->record(check);
  }
  checked_ = checked_ || puzzle;
  platform_.windows.show_message({check_message(Correct_Count_)});
  if (!recorded.ok()) {
    history_failed_ = true;
    platform_.windows.show_message({history_off_message(recorded.failure().description)});
  }
  refresh_weights();
}

bool MainForm::circle_drop(int circle, std::string_view source_text) {
  if (!controls_.circles[circle - 1].enabled) return false;
  return drop_on_circle(controls_.circles, circle, source_text);
}

bool MainForm::clear_circle(int circle) {
  Label& label = controls_.circles[circle - 1];
  if (!label.enabled) return false;
  label.caption.clear();
  return true;
}

bool MainForm::reveal_note(int circle) {
  const std::optional<NoteName>& answer = circle_note(board_.Circle_Notes, circle);
  Label& label = controls_.circles[circle - 1];
  if (!answer || !label.enabled) return false;
  label.caption = answer->fixed_width();
  revealed_[circle - 1] = true;
  return true;
}

std::array<CircleReview, kCircleCount> MainForm::review() const {
  std::array<CircleReview, kCircleCount> reviews;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    reviews[circle - 1] = review_circle(controls_.circles[circle - 1].caption,
                                        circle_note(board_.Circle_Notes, circle));
  }
  return reviews;
}

std::string MainForm::circle_description(int circle) const {
  return describe_circle(board_, controls_.circles[circle - 1], circle);
}

void MainForm::Help_cmd_Click() { platform_.windows.show_about(); }

void MainForm::play(const std::array<std::optional<NoteName>, kChordTones>& notes) {
  for (const ShortMessage& note_on : PlayChord(notes)) send_midi(note_on);
}

void MainForm::hint_click(int line) {
  if (controls_.check_midi.checked()) {
    if (line == kProgramChangeLine) send_midi({kProgramChange, kHintProgram, 0});
    play(hint_notes(board_, line));
  }

  const std::array<int, kChordTones>& circles = kChordLineCircles[line - 1];
  std::array<std::string, kChordTones> saved;
  for (int tone = 0; tone < kChordTones; ++tone) {
    saved[tone] = controls_.circles[circles[tone] - 1].caption;
  }
  const std::optional<Formula> formula = ChordFormula(board_.chords[line - 1]);
  if (!formula) platform_.windows.show_message({std::string(kNoPuzzleYet)});
  // Without a formula the circles stay blank for the pause.
  for (int tone = 0; tone < kChordTones; ++tone) {
    controls_.circles[circles[tone] - 1].caption = formula ? (*formula)[tone] : "";
  }
  platform_.windows.repaint_circles(circles);

  HintPause(platform_.clock);

  for (int tone = 0; tone < kChordTones; ++tone) {
    controls_.circles[circles[tone] - 1].caption = saved[tone];
  }
  platform_.windows.repaint_circles(circles);

  if (controls_.check_midi.checked()) send_midi({kControlChange, kAllSoundOff, 0});
}

void MainForm::play_answer(int line) {
  if (!controls_.check_midi.checked()) return;
  std::array<std::optional<NoteName>, kChordTones> notes;
  for (int tone = 0; tone < kChordTones; ++tone) {
    notes[tone] =
        NoteName::from_text(controls_.circles[kChordLineCircles[line - 1][tone] - 1].caption);
  }
  play(notes);
  HintPause(platform_.clock);
  if (controls_.check_midi.checked()) send_midi({kControlChange, kAllSoundOff, 0});
}

void MainForm::List1_Click(int row) {
  ListBox& list = controls_.List1;
  if (row < 0 || row >= static_cast<int>(list.entries.size())) return;
  list.selected = row;
  if (settings_loaded_) {
    settings_.device = row == 0 ? std::string() : list.entries[row].text;
    save_settings();
  }
  report_midi(midi_out_.MidiClose());
  report_midi(midi_out_.MidiOpen(static_cast<std::int16_t>(list.entries[row].item_data)));
}

void MainForm::ReportMidiError(MidiResult result) {
  platform_.windows.show_message({midi_out_.error_text(result)});
  controls_.check_midi.value = 0;
  controls_.check_midi.enabled = false;
  controls_.frame1_enabled = false;
}

}  // namespace velmora
