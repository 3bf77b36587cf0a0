// The page's MIDI device: piano samples rendered at build time, played through Web Audio. It
// understands what the core sends: Program Change, Note On and All Sound Off.
const kLowestSample = 57;
const kHighestSample = 99;
const kSampleStep = 3;
const kPrograms = 2;

export class Piano {
  constructor(base) {
    this.base = base;
    this.context = null;
    this.program = 0;
    this.buffers = new Map();
    this.voices = [];
  }

  audio() {
    if (!this.context) this.context = new AudioContext();
    if (this.context.state === 'suspended') this.context.resume();
    return this.context;
  }

  sample(program, note) {
    const step = Math.round((note - kLowestSample) / kSampleStep);
    const key = kLowestSample + kSampleStep * Math.min(Math.max(step, 0), (kHighestSample - kLowestSample) / kSampleStep);
    const name = `${this.base}piano-${program}-${key}.wav`;
    if (!this.buffers.has(name)) {
      this.buffers.set(name, fetch(name)
        .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(new Error(name))))
        .then((data) => this.audio().decodeAudioData(data)));
    }
    return { key, buffer: this.buffers.get(name) };
  }

  send(status, data1, data2) {
    switch (status & 0xf0) {
      case 0x90:
        if (data2 > 0) this.noteOn(data1, data2);
        break;
      case 0xb0:
        if (data1 === 120 || data1 === 123) this.allOff();
        break;
      case 0xc0:
        this.program = data1 < kPrograms ? data1 : 0;
        break;
      default:
        break;
    }
  }

  noteOn(note, velocity) {
    const context = this.audio();
    const { key, buffer } = this.sample(this.program, note);
    const voice = { source: null, gain: context.createGain(), stopped: false };
    voice.gain.gain.value = velocity / 127;
    voice.gain.connect(context.destination);
    this.voices.push(voice);
    buffer.then((decoded) => {
      if (voice.stopped) return;
      voice.source = context.createBufferSource();
      voice.source.buffer = decoded;
      voice.source.playbackRate.value = 2 ** ((note - key) / 12);
      voice.source.connect(voice.gain);
      voice.source.start();
    }).catch(() => {});
  }

  allOff() {
    if (!this.context) return;
    const now = this.context.currentTime;
    for (const voice of this.voices) {
      voice.stopped = true;
      voice.gain.gain.setTargetAtTime(0, now, 0.03);
      voice.source?.stop(now + 0.2);
    }
    this.voices = [];
  }

  beep() {
    const context = this.audio();
    const tone = context.createOscillator();
    const gain = context.createGain();
    tone.frequency.value = 880;
    gain.gain.value = 0.08;
    tone.connect(gain).connect(context.destination);
    tone.start();
    tone.stop(context.currentTime + 0.08);
  }
}
