#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
#include "fakes/memory_history.h"
#include "fakes/recording_midi_system.h"
#include "fakes/recording_printer.h"
#include "fakes/scripted_random.h"

namespace velmora::testing {

// The main form on fakes, before its load handler has run.
struct MainFormOnFakes {
  FakeWindowSystem windows;
  ScriptedRandom random;
  FakeClock clock;
  RecordingMidiSystem midi;
  RecordingPrinter printer;
  MemoryAnswerLog answer_log;
  MemoryHistory history;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log, &history}};

  // The value that draws `name` from the framed list.
  static float value_for(const FramedList& list, std::string_view name) {
    const auto position = std::find(list.begin(), list.end(), name) - list.begin();
    return (static_cast<float>(position) - 0.5F) /
           static_cast<float>(count_framed_entries(list) - 2);
  }

  // Queues the values of one pass of "Create": four chord types, the key, the given circle.
  void queue_pass(const std::array<std::string_view, 4>& chords, std::string_view key,
                  int given_circle) {
    for (std::string_view chord : chords) random.values.push_back(value_for(form.chord_types(), chord));
    random.values.push_back(value_for(Fill_Key_Tables(), key));
    random.values.push_back((static_cast<float>(given_circle) - 0.5F) / 17);
  }

  const std::string& caption(int circle) const { return form.controls().circles[circle - 1].caption; }
};

// A loaded main form on fakes.
class MainFormTest : public ::testing::Test, protected MainFormOnFakes {
 protected:
  MainFormTest() { form.Form_Load(); }
};

}  // namespace velmora::testing
