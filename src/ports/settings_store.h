#pragma once

#include <string>

#include "ports/status.h"

namespace velmora {

// The player's choices, kept between runs. A new choice is a field here with its default, and
// a key in each store's adapter.
struct Settings {
  // "Expert" rather than "Beginner".
  bool expert = true;
  bool advanced = false;
  bool centre_question = false;
  bool midi_enabled = true;
  // The MIDI device by its name in the device list; empty for the list's first entry.
  std::string device;
  bool weak_spots = false;
  // The window's language ("de"), empty for the user's own; the note names ("german"), empty
  // for those the language's learners are usually taught.
  std::string language;
  std::string note_names;
  // The paper the last work sheet was printed on, by its name ("A4", "Letter"); empty when none
  // was printed. The window's answer key proposes it, with the sheet's page.
  std::string sheet_paper;
  bool sheet_classroom = false;

  bool operator==(const Settings&) const = default;
};

// The number a settings store's failures carry.
inline constexpr int kSettingsFailed = 30;

// Where the settings are kept.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The kept settings; a value that cannot be read keeps its default. `problem` says, in words,
  // why the store as a whole could not be read; it stays empty when all went well.
  virtual Settings load(std::string& problem) = 0;
  virtual Status save(const Settings& settings) = 0;
};

}  // namespace velmora
