#pragma once

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
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
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log}};
};

// A loaded main form on fakes.
class MainFormTest : public ::testing::Test, protected MainFormOnFakes {
 protected:
  MainFormTest() { form.Form_Load(); }
};

}  // namespace velmora::testing
