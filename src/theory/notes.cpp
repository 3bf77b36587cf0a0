#include "theory/notes.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {

int count_framed_entries(const FramedList& list) {
  const int last = std::min<int>(kLastScannedPosition, static_cast<int>(list.size()) - 1);
  for (int position = 0; position <= last; ++position) {
    if (list[position] == kStop) return position + 1;
  }
  return 0;
}

namespace {

// clang-format off
constexpr std::array<std::array<std::string_view, kSlotCount>, kSpellingTableCount> kSpellingRows = {{
    {{"C", "Eb", "E", "F", "Gb", "G", "G#", "A", "Bbb", "Bb", "B", "Db", "D", "D#", "F", "F#", "Ab", "A"}},
    {{"C#", "E", "E#", "F#", "G", "G#", "Gx", "A#", "Bb", "B", "B#", "D", "D#", "Dx", "F#", "Fx", "A", "A#"}},
    {{"Db", "Fb", "F", "Gb", "Abb", "Ab", "A", "Bb", "Cbb", "Cb", "C", "Ebb", "Eb", "E", "Gb", "G", "Bbb", "Bb"}},
    {{"D", "F", "F#", "G", "Ab", "A", "A#", "B", "Cb", "C", "C#", "Eb", "E", "E#", "G", "G#", "Bb", "B"}},
    {{"Eb", "Gb", "G", "Ab", "Bbb", "Bb", "B", "C", "Dbb", "Db", "D", "Fb", "F", "F#", "Ab", "A", "Cb", "C"}},
    {{"E", "G", "G#", "A", "Bb", "B", "B#", "C#", "Db", "D", "D#", "F", "F#", "Fx", "A", "A#", "C", "C#"}},
    {{"F", "Ab", "A", "Bb", "Cb", "C", "C#", "D", "Ebb", "Eb", "E", "Gb", "G", "G#", "Bb", "B", "Db", "D"}},
    {{"F#", "A", "A#", "B", "C", "C#", "Cx", "D#", "Eb", "E", "E#", "G", "G#", "Gx", "B", "B#", "D", "D#"}},
    {{"Gb", "Bbb", "Bb", "Cb", "Dbb", "Db", "D", "Eb", "Fbb", "Fb", "F", "Abb", "Ab", "A", "Cb", "C", "Ebb", "Eb"}},
    {{"G", "Bb", "B", "C", "Db", "D", "D#", "E", "Fb", "F", "F#", "Ab", "A", "A#", "C", "C#", "Eb", "E"}},
    {{"Ab", "Cb", "C", "Db", "Ebb", "Eb", "E", "F", "Gbb", "Gb", "G", "Bbb", "Bb", "B", "Db", "D", "Fb", "F"}},
    {{"A", "C", "C#", "D", "Eb", "E", "E#", "F#", "Gb", "G", "G#", "Bb", "B", "B#", "D", "D#", "F", "F#"}},
    {{"Bb", "Db", "D", "Eb", "Fb", "F", "F#", "G", "Abb", "Ab", "A", "Cb", "C", "C#", "Eb", "E", "Gb", "G"}},
    {{"B", "D", "D#", "E", "F", "F#", "Fx", "G#", "Ab", "A", "A#", "C", "C#", "Cx", "E", "E#", "G", "G#"}},
    {{"Cb", "Ebb", "Eb", "Fb", "Gbb", "Gb", "G", "Ab", "Bbbb", "Bbb", "Bb", "Dbb", "Db", "D", "Fb", "F", "Abb", "Ab"}},
    {{"D#", "F#", "Fx", "G#", "A", "A#", "Ax", "B#", "C", "C#", "Cx", "E", "E#", "Ex", "G#", "Gx", "B", "B#"}},
    {{"Dx", "Fx", "F###", "Gx", "A#", "Ax", "A###", "Bx", "C#", "Cx", "C###", "E#", "Ex", "E###", "Gx", "G###", "B#", "Bx"}},
    {{"Cx", "E#", "Ex", "Fx", "G#", "Gx", "G###", "Ax", "B", "B#", "Bx", "D#", "Dx", "D###", "Fx", "F###", "A#", "Ax"}},
    {{"Fb", "Abb", "Ab", "Bbb", "Cbb", "Cb", "C", "Db", "Ebbb", "Ebb", "Eb", "Gbb", "Gb", "G", "Bbb", "Bb", "Dbb", "Db"}},
    {{"Ebb", "Gbb", "Gb", "Abb", "Bbbb", "Bbb", "Bb", "Cb", "Dbbb", "Dbb", "Db", "Fbb", "Fb", "F", "Abb", "Ab", "Cbb", "Cb"}},
    {{"Fbb", "Abbb", "Abb", "Bbbb", "Cbbb", "Cbb", "Cb", "Dbb", "Ebbbb", "Ebbb", "Ebb", "Gbbb", "Gbb", "Gb", "Bbbb", "Bbb", "Dbbb", "Dbb"}},
    {{"Fx", "A#", "Ax", "B#", "C#", "Cx", "C###", "Dx", "E", "E#", "Ex", "G#", "Gx", "G###", "B#", "Bx", "D#", "Dx"}},
    {{"Dbb", "Fbb", "Fb", "Gbb", "Abbb", "Abb", "Ab", "Bbb", "Cbbb", "Cbb", "Cb", "Ebbb", "Ebb", "Eb", "Gbb", "Gb", "Bbbb", "Bbb"}},
    {{"A#", "C#", "Cx", "D#", "E", "E#", "Ex", "Fx", "G", "G#", "Gx", "B", "B#", "Bx", "D#", "Dx", "F#", "Fx"}},
    {{"Abb", "Cbb", "Cb", "Dbb", "Ebbb", "Ebb", "Eb", "Fb", "Gbbb", "Gbb", "Gb", "Bbbb", "Bbb", "Bb", "Dbb", "Db", "Fbb", "Fb"}},
    {{"G#", "B", "B#", "C#", "D", "D#", "Dx", "E#", "F", "F#", "Fx", "A", "A#", "Ax", "C#", "Cx", "E", "E#"}},
    {{"Bbb", "Dbb", "Db", "Ebb", "Fbb", "Fb", "F", "Gb", "Abbb", "Abb", "Ab", "Cbb", "Cb", "C", "Ebb", "Eb", "Gbb", "Gb"}},
    {{"E#", "G#", "Gx", "A#", "B", "B#", "Bx", "Cx", "D", "D#", "Dx", "F#", "Fx", "F###", "A#", "Ax", "C#", "Cx"}},
    {{"Cbb", "Ebbb", "Ebb", "Fbb", "Gbbb", "Gbb", "Gb", "Abb", "Bbbbb", "Bbbb", "Bbb", "Dbbb", "Dbb", "Db", "Fbb", "Fb", "Abbb", "Abb"}},
    {{"B#", "D#", "Dx", "E#", "F#", "Fx", "F###", "Gx", "A", "A#", "Ax", "C#", "Cx", "C###", "E#", "Ex", "G#", "Gx"}},
    {{"Gbb", "Bbbb", "Bbb", "Cbb", "Dbbb", "Dbb", "Db", "Ebb", "Fbbb", "Fbb", "Fb", "Abbb", "Abb", "Ab", "Cbb", "Cb", "Ebbb", "Ebb"}},
}};
// clang-format on

consteval std::array<SpellingTable, kSpellingTableCount> read_tables() {
  std::array<SpellingTable, kSpellingTableCount> tables;
  for (int table = 0; table < kSpellingTableCount; ++table) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const std::optional<NoteName> note = NoteName::from_text(kSpellingRows[table][slot]);
      if (!note) throw std::logic_error("a spelling table holds a name that is no note");
      tables[table][slot] = *note;
    }
  }
  return tables;
}

}  // namespace

constinit const std::array<SpellingTable, kSpellingTableCount> kSpellingTables = read_tables();

FramedList Fill_Key_Tables() {
  return {"start", "C", "C#", "Db", "D", "Eb", "E", "F", "F#", "Gb", "G", "Ab", "A", "Bb", "B", "Cb",
          "stop"};
}

}  // namespace velmora
