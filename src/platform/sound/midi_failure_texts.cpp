#include "platform/sound/midi_failure_texts.h"

namespace velmora {

std::string midi_result_text(MidiResult result) {
  switch (result) {
    case MidiResult::Ok:
      return "The MIDI device did what was asked.";
    case MidiResult::BadDeviceId:
      return "The MIDI device is no longer there: no sound will be heard.";
    case MidiResult::NoSoundfont:
      return "The built-in synthesizer found no General MIDI soundfont: no sound will be heard.";
    case MidiResult::SynthFailed:
      return "Failed to create the built-in synthesizer: no sound will be heard.";
    case MidiResult::AudioDriverFailed:
      return audio_driver_failure_text("pulseaudio, pipewire, alsa");
    case MidiResult::NoSequencer:
      return "The ALSA sequencer is not available: MIDI ports cannot be used.";
    case MidiResult::PortOpenFailed:
      return "Failed to open the MIDI output port: no sound will be heard.";
    case MidiResult::InvalidHandle:
      return "No MIDI device is open: the chord cannot be played.";
    case MidiResult::InvalidMessage:
      return "The MIDI message is not valid and was not sent.";
    case MidiResult::SendFailed:
      return "Failed to send the MIDI message: the chord may not sound.";
    case MidiResult::AudioServerLost:
      return "The connection to the audio server was lost: no sound will be heard.";
  }
  return "Unknown MIDI error.";
}

std::string audio_driver_failure_text(std::string_view drivers) {
  return "Failed to start the audio driver (" + std::string(drivers) +
         "): no sound will be heard.";
}

std::string no_soundfont_text(const std::vector<std::string>& places) {
  std::string text =
      "The built-in synthesizer found no General MIDI soundfont that it could load: no sound "
      "will be heard. Looked for";
  for (std::size_t i = 0; i < places.size(); ++i) text += (i == 0 ? " " : ", ") + places[i];
  return text +
         ". The Debian packages timgm6mb-soundfont and fluid-soundfont-gm each provide one.";
}

}  // namespace velmora
