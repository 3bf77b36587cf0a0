#pragma once

#include <atomic>
#include <chrono>

#include <fluidsynth.h>
#include <pulse/pulseaudio.h>

namespace velmora {

// The synthesizer's sound on a PulseAudio server (PipeWire's included), on a stream of its own.
// Nothing here waits on the server without a bound, so a frozen server cannot hang the window,
// and a server that goes away is noticed. Once no voice has sounded for a while the stream is
// corked: neither the program nor the server then wakes up to render silence.
class PulseOutput {
 public:
  PulseOutput(fluid_synth_t* synth, int sample_rate);
  ~PulseOutput();
  PulseOutput(const PulseOutput&) = delete;
  PulseOutput& operator=(const PulseOutput&) = delete;

  // Connects and opens the stream; false when the server is missing or has not answered
  // within `limit`.
  bool start(std::chrono::milliseconds limit);
  // A note is about to sound: uncork the stream and hand the server its first samples.
  void wake();
  // True once the server has gone or the stream has failed.
  bool lost() const { return lost_; }
  bool corked() const { return corked_; }

 private:
  static void on_context_state(pa_context* context, void* self);
  static void on_stream_state(pa_stream* stream, void* self);
  static void on_write(pa_stream* stream, std::size_t bytes, void* self);
  void open_stream();
  void render(std::size_t bytes);

  fluid_synth_t* synth_;
  int sample_rate_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  std::atomic<bool> ready_{false};
  std::atomic<bool> lost_{false};
  std::atomic<bool> corked_{true};
  // Frames rendered since the last voice ended; the reverb's tail needs a moment to die away.
  long quiet_frames_ = 0;
};

}  // namespace velmora
