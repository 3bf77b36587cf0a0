#include <benchmark/benchmark.h>

#include "theory/chords.h"

namespace velmora {
namespace {

// Every centre key with every chord type on all four lines: 15 x 27 boards.
void BM_SpellChordLinesAllKeysAllTypes(benchmark::State& state) {
  const FramedList keys = Fill_Key_Tables();
  CircleNotes notes;
  for (auto _ : state) {
    for (int key = 1; key <= 15; ++key) {
      for (const ChordType& type : kChordCatalogue) {
        const std::string name(type.name);
        circle_note(notes, kCentreCircle) = NoteName::from_text(keys[key]);
        benchmark::DoNotOptimize(Spell_Chord_Lines({name, name, name, name}, notes));
        benchmark::DoNotOptimize(notes);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * 15 * 27);
}
BENCHMARK(BM_SpellChordLinesAllKeysAllTypes);

}  // namespace
}  // namespace velmora
