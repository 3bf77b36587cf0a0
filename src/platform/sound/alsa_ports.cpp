#include "platform/sound/alsa_ports.h"

#include <alsa/asoundlib.h>

#include "platform/sound/library_log.h"

namespace velmora {

namespace {

constexpr const char* kClientName = "Velmora";

// Asked first, because RtMidi prints to standard error when it finds no sequencer, before a
// caller can give it an error callback. alsa-lib's own complaint goes to the library log.
bool sequencer_exists() {
  LibraryLog::instance();
  snd_seq_t* sequencer = nullptr;
  if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) {
    // That there is no sequencer is all it says; the device list shows no ports.
    LibraryLog::instance().take();
    return false;
  }
  snd_seq_close(sequencer);
  return true;
}

// Only ALSA: RtMidi's JACK backend crashes when no JACK server runs.
std::unique_ptr<RtMidiOut> new_alsa_client() {
  if (!sequencer_exists()) return nullptr;
  try {
    return std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
  } catch (const RtMidiError&) {
    return nullptr;
  }
}

}  // namespace

AlsaPort::AlsaPort() = default;
AlsaPort::~AlsaPort() = default;

// RtMidi reports a failed send as a warning only, so every report counts.
void AlsaPort::on_error(RtMidiError::Type, const std::string& text, void* data) {
  auto* port = static_cast<AlsaPort*>(data);
  port->failed_ = true;
  port->last_error_ = text;
}

MidiResult AlsaPort::open(int index) {
  out_ = new_alsa_client();
  if (out_ == nullptr) return MidiResult::NoSequencer;
  // A port may have gone since the list was filled.
  if (index < 0 || static_cast<unsigned>(index) >= out_->getPortCount()) {
    out_.reset();
    return MidiResult::BadDeviceId;
  }
  // With a callback RtMidi reports instead of throwing or printing.
  out_->setErrorCallback(&AlsaPort::on_error, this);
  out_->openPort(static_cast<unsigned>(index), kClientName);
  if (!out_->isPortOpen()) {
    out_.reset();
    return MidiResult::PortOpenFailed;
  }
  return MidiResult::Ok;
}

MidiResult AlsaPort::send(std::uint32_t message) {
  if (out_ == nullptr) return MidiResult::InvalidHandle;
  const auto status = static_cast<unsigned char>(message & 0xFFU);
  const auto data1 = static_cast<unsigned char>((message >> 8) & 0xFFU);
  const auto data2 = static_cast<unsigned char>((message >> 16) & 0xFFU);
  // Program Change and Channel Pressure carry one data byte, the others two.
  const bool one_data_byte = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0;
  std::vector<unsigned char> bytes{status, data1};
  if (!one_data_byte) bytes.push_back(data2);
  failed_ = false;
  out_->sendMessage(&bytes);
  return failed_ ? MidiResult::SendFailed : MidiResult::Ok;
}

AlsaPorts::AlsaPorts() = default;
AlsaPorts::~AlsaPorts() = default;

// Made once: a machine without a sequencer does not grow one while the program runs, and each
// attempt costs ALSA's complaint on standard error.
RtMidiOut* AlsaPorts::lister() {
  if (!lister_tried_) {
    lister_ = new_alsa_client();
    lister_tried_ = true;
    // A port that vanishes while the list is read is left out, not printed about.
    if (lister_ != nullptr) {
      lister_->setErrorCallback([](RtMidiError::Type, const std::string&, void*) {}, nullptr);
    }
  }
  return lister_.get();
}

int AlsaPorts::count() {
  RtMidiOut* out = lister();
  return out == nullptr ? 0 : static_cast<int>(out->getPortCount());
}

bool AlsaPorts::name(int index, std::string& name) {
  RtMidiOut* out = lister();
  if (out == nullptr || index < 0 || static_cast<unsigned>(index) >= out->getPortCount()) {
    return false;
  }
  std::string found = out->getPortName(static_cast<unsigned>(index));
  if (found.empty()) return false;
  name = std::move(found);
  return true;
}

}  // namespace velmora
