#include "platform/sound/pulse_output.h"

#include <cstdint>
#include <thread>

namespace velmora {

namespace {

// Enough for a chord to start promptly, without waking the server every few milliseconds.
constexpr int kLatencyMs = 40;
// The reverb's tail has died away this long after the last voice ended.
constexpr int kTailMs = 1500;

// Requests whose answer nobody waits for; a stream that has failed gives none.
void forget(pa_operation* operation) {
  if (operation != nullptr) pa_operation_unref(operation);
}

}  // namespace

PulseOutput::PulseOutput(fluid_synth_t* synth, int sample_rate)
    : synth_(synth), sample_rate_(sample_rate) {}

PulseOutput::~PulseOutput() {
  if (loop_ == nullptr) return;
  // Only local work and messages queued for the server: none of it waits for an answer.
  pa_threaded_mainloop_lock(loop_);
  if (stream_ != nullptr) {
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
  }
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  pa_threaded_mainloop_unlock(loop_);
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
}

bool PulseOutput::start(std::chrono::milliseconds limit) {
  loop_ = pa_threaded_mainloop_new();
  if (loop_ == nullptr) return false;
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Velmora");
  if (context_ == nullptr) return false;
  pa_context_set_state_callback(context_, &PulseOutput::on_context_state, this);
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
      pa_threaded_mainloop_start(loop_) < 0) {
    return false;
  }
  // The callbacks run on the loop's thread; polling these flags needs no lock.
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!ready_ && !lost_ && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return ready_ && !lost_;
}

void PulseOutput::on_context_state(pa_context* context, void* self) {
  auto* output = static_cast<PulseOutput*>(self);
  switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
      output->open_stream();
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      output->lost_ = true;
      break;
    default:
      break;
  }
}

void PulseOutput::open_stream() {
  const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(sample_rate_), 2};
  stream_ = pa_stream_new(context_, "Chord hints", &spec, nullptr);
  if (stream_ == nullptr) {
    lost_ = true;
    return;
  }
  pa_stream_set_state_callback(stream_, &PulseOutput::on_stream_state, this);
  pa_stream_set_write_callback(stream_, &PulseOutput::on_write, this);
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kLatencyMs * 1000, &spec));
  attr.prebuf = static_cast<std::uint32_t>(-1);
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(-1);
  const auto flags =
      static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
  if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) {
    lost_ = true;
  }
}

void PulseOutput::on_stream_state(pa_stream* stream, void* self) {
  auto* output = static_cast<PulseOutput*>(self);
  switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
      output->ready_ = true;
      break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
      output->lost_ = true;
      break;
    default:
      break;
  }
}

void PulseOutput::on_write(pa_stream*, std::size_t bytes, void* self) {
  static_cast<PulseOutput*>(self)->render(bytes);
}

void PulseOutput::render(std::size_t bytes) {
  if (corked_) return;
  void* data = nullptr;
  if (pa_stream_begin_write(stream_, &data, &bytes) < 0 || data == nullptr) return;
  const int frames = static_cast<int>(bytes / (2 * sizeof(float)));
  fluid_synth_write_float(synth_, frames, data, 0, 2, data, 1, 2);
  pa_stream_write(stream_, data, static_cast<std::size_t>(frames) * 2 * sizeof(float), nullptr, 0,
                  PA_SEEK_RELATIVE);
  quiet_frames_ = fluid_synth_get_active_voice_count(synth_) > 0 ? 0 : quiet_frames_ + frames;
  if (quiet_frames_ > static_cast<long>(sample_rate_) * kTailMs / 1000) {
    // What is still queued is silence; dropping it lets the next chord start at once.
    forget(pa_stream_cork(stream_, 1, nullptr, nullptr));
    forget(pa_stream_flush(stream_, nullptr, nullptr));
    corked_ = true;
  }
}

void PulseOutput::wake() {
  if (!corked_ || loop_ == nullptr) return;
  pa_threaded_mainloop_lock(loop_);
  if (stream_ != nullptr && corked_) {
    quiet_frames_ = 0;
    corked_ = false;
    forget(pa_stream_cork(stream_, 0, nullptr, nullptr));
    // The server asked for data while the stream was corked and will not ask again.
    if (const std::size_t writable = pa_stream_writable_size(stream_);
        writable != static_cast<std::size_t>(-1) && writable > 0) {
      render(writable);
    }
  }
  pa_threaded_mainloop_unlock(loop_);
}

}  // namespace velmora
