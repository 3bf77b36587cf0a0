#include <benchmark/benchmark.h>

#include "ports/window_system.h"
#include "theory/chords.h"

namespace velmora {
namespace {

class SilentWindows final : public WindowSystem {
 public:
  Answer show_message(const MessageBox&) override { return Answer::Ok; }
  void repaint_circles(std::span<const int>) override {}
  void show_about() override {}
};

// Every centre key with every chord type on all four lines: 15 x 27 boards.
void BM_SpellChordLinesAllKeysAllTypes(benchmark::State& state) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  SilentWindows windows;
  ToneIndex index{};
  CircleNotes notes;
  for (auto _ : state) {
    for (int key = 1; key <= 15; ++key) {
      for (const ChordType& type : kChordCatalogue) {
        const std::string name(type.name);
        circle_note(notes, kCentreCircle) = tables.Key_Names[key];
        Spell_Chord_Lines(tables, {name, name, name, name}, notes, index, windows);
        benchmark::DoNotOptimize(notes);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * 15 * 27);
}
BENCHMARK(BM_SpellChordLinesAllKeysAllTypes);

}  // namespace
}  // namespace velmora
