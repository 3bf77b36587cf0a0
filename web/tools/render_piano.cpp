// Renders the page's piano: a note every three semitones over the range the hints play, for
// the two programs a hint can use, as 16-bit mono WAV files. It runs on the build machine with
// its FluidSynth and General MIDI soundfont; the page shifts each sample by a semitone or less.
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr int kHeldFrames = kSampleRate * 2;      // a hint sounds for two seconds
constexpr int kReleaseFrames = kSampleRate / 5;   // then All Sound Off; a short tail stays
constexpr int kLowestNote = 57;   // the lowest hint note is middle C double flat, 58
constexpr int kHighestNote = 99;  // the highest, two octaves up, B double sharp, 97
constexpr int kStep = 3;

void put_le(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool write_wav(const std::string& path, const std::vector<std::int16_t>& samples) {
  std::ofstream out(path, std::ios::binary);
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  put_le(out, 36 + data_bytes, 4);
  out.write("WAVEfmt ", 8);
  put_le(out, 16, 4);
  put_le(out, 1, 2);  // PCM
  put_le(out, 1, 2);  // mono
  put_le(out, kSampleRate, 4);
  put_le(out, kSampleRate * 2, 4);
  put_le(out, 2, 2);
  put_le(out, 16, 2);
  out.write("data", 4);
  put_le(out, data_bytes, 4);
  for (std::int16_t sample : samples) put_le(out, static_cast<std::uint16_t>(sample), 2);
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_piano SOUNDFONT OUTPUT_FOLDER\n");
    return 2;
  }
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
  fluid_settings_setint(settings, "synth.reverb.active", 0);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (fluid_synth_sfload(synth, argv[1], 1) == FLUID_FAILED) {
    std::fprintf(stderr, "render_piano: cannot load the soundfont %s\n", argv[1]);
    return 1;
  }
  struct Rendered {
    std::string path;
    std::vector<float> frames;
  };
  std::vector<Rendered> rendered;
  float peak = 0;
  for (int program : {0, 1}) {
    for (int note = kLowestNote; note <= kHighestNote; note += kStep) {
      fluid_synth_system_reset(synth);
      fluid_synth_program_change(synth, 0, program);
      std::vector<float> left(kHeldFrames + kReleaseFrames);
      std::vector<float> right(left.size());
      fluid_synth_noteon(synth, 0, note, 127);
      fluid_synth_write_float(synth, kHeldFrames, left.data(), 0, 1, right.data(), 0, 1);
      fluid_synth_noteoff(synth, 0, note);
      fluid_synth_write_float(synth, kReleaseFrames, left.data() + kHeldFrames, 0, 1,
                              right.data() + kHeldFrames, 0, 1);
      std::vector<float> mono(left.size());
      for (std::size_t i = 0; i < mono.size(); ++i) {
        // Fade the tail out, so the sample ends in silence.
        const double fade = i < kHeldFrames ? 1.0 : 1.0 - double(i - kHeldFrames) / kReleaseFrames;
        mono[i] = static_cast<float>((left[i] + right[i]) / 2 * fade);
        peak = std::max(peak, std::fabs(mono[i]));
      }
      rendered.push_back({std::string(argv[2]) + "/piano-" + std::to_string(program) + "-" +
                              std::to_string(note) + ".wav",
                          std::move(mono)});
    }
  }
  // One gain for all, so the notes keep their loudness against each other; five sound at once.
  const float gain = peak > 0 ? 0.3F / peak : 0;
  for (const Rendered& sample : rendered) {
    std::vector<std::int16_t> samples;
    for (float value : sample.frames) {
      samples.push_back(static_cast<std::int16_t>(std::lround(value * gain * 32767)));
    }
    if (!write_wav(sample.path, samples)) {
      std::fprintf(stderr, "render_piano: cannot write %s\n", sample.path.c_str());
      return 1;
    }
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return 0;
}
