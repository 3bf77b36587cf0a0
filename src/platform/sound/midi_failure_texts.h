#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ports/midi_system.h"

namespace velmora {

// The text a player sees for a result: which part failed and what that means for the sound.
std::string midi_result_text(MidiResult result);

// The failure text of an audio start-up that tried these drivers ("pulseaudio, alsa").
std::string audio_driver_failure_text(std::string_view drivers);

// The failure text of a synthesizer that found no soundfont it could load in these places.
std::string no_soundfont_text(const std::vector<std::string>& places);

}  // namespace velmora
