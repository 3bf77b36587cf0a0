#include "theory/note_naming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "puzzle/note_typing.h"
#include "theory/chord_words.h"
#include "theory/chords.h"

namespace velmora {
namespace {

struct PaletteNames {
  NoteName note;
  std::string_view german, fixed_do;
};

// All 35 palette notes, double flat to double sharp on each letter.
constexpr PaletteNames kPalette[] = {
    {{'C', -2}, "Ceses", "Do♭♭"}, {{'C', -1}, "Ces", "Do♭"},   {{'C', 0}, "C", "Do"},
    {{'C', 1}, "Cis", "Do♯"},     {{'C', 2}, "Cisis", "Do♯♯"}, {{'D', -2}, "Deses", "Ré♭♭"},
    {{'D', -1}, "Des", "Ré♭"},    {{'D', 0}, "D", "Ré"},       {{'D', 1}, "Dis", "Ré♯"},
    {{'D', 2}, "Disis", "Ré♯♯"},  {{'E', -2}, "Eses", "Mi♭♭"}, {{'E', -1}, "Es", "Mi♭"},
    {{'E', 0}, "E", "Mi"},        {{'E', 1}, "Eis", "Mi♯"},    {{'E', 2}, "Eisis", "Mi♯♯"},
    {{'F', -2}, "Feses", "Fa♭♭"}, {{'F', -1}, "Fes", "Fa♭"},   {{'F', 0}, "F", "Fa"},
    {{'F', 1}, "Fis", "Fa♯"},     {{'F', 2}, "Fisis", "Fa♯♯"}, {{'G', -2}, "Geses", "Sol♭♭"},
    {{'G', -1}, "Ges", "Sol♭"},   {{'G', 0}, "G", "Sol"},      {{'G', 1}, "Gis", "Sol♯"},
    {{'G', 2}, "Gisis", "Sol♯♯"}, {{'A', -2}, "Ases", "La♭♭"}, {{'A', -1}, "As", "La♭"},
    {{'A', 0}, "A", "La"},        {{'A', 1}, "Ais", "La♯"},    {{'A', 2}, "Aisis", "La♯♯"},
    {{'B', -2}, "Heses", "Si♭♭"}, {{'B', -1}, "B", "Si♭"},     {{'B', 0}, "H", "Si"},
    {{'B', 1}, "His", "Si♯"},     {{'B', 2}, "Hisis", "Si♯♯"},
};

TEST(NoteNamingTest, WritesAndReadsBackEveryPaletteNoteInEachConvention) {
  for (const PaletteNames& names : kPalette) {
    SCOPED_TRACE(names.note.text());
    EXPECT_EQ(display_name(names.note, NoteNaming::Letters), names.note.text());
    EXPECT_EQ(display_name(names.note, NoteNaming::German), names.german);
    EXPECT_EQ(display_name(names.note, NoteNaming::FixedDo), names.fixed_do);
    EXPECT_EQ(read_typed_name(names.german, NoteNaming::German), names.note);
    EXPECT_EQ(read_typed_name(names.fixed_do, NoteNaming::FixedDo), names.note);
  }
}

TEST(NoteNamingTest, NotesBeyondThePaletteContinueThePattern) {
  EXPECT_EQ(display_name({'C', -3}, NoteNaming::German), "Ceseses");
  EXPECT_EQ(display_name({'E', -4}, NoteNaming::German), "Eseseses");
  EXPECT_EQ(display_name({'B', -4}, NoteNaming::German), "Heseseses");
  EXPECT_EQ(display_name({'F', 3}, NoteNaming::German), "Fisisis");
  EXPECT_EQ(display_name({'A', 3}, NoteNaming::FixedDo), "La♯♯♯");
}

TEST(NoteNamingTest, ReadsTypedNamesAsTheLearnerTypesThem) {
  const struct { std::string_view typed; NoteNaming naming; std::optional<NoteName> note; } cases[] = {
      {"fis", NoteNaming::German, NoteName('F', 1)},
      {"h", NoteNaming::German, NoteName('B', 0)},
      {"b", NoteNaming::German, NoteName('B', -1)},
      {"heses", NoteNaming::German, NoteName('B', -2)},
      {" ES ", NoteNaming::German, NoteName('E', -1)},
      {"ases", NoteNaming::German, NoteName('A', -2)},
      {"ees", NoteNaming::German, std::nullopt},
      {"bb", NoteNaming::German, std::nullopt},
      {"fisisis", NoteNaming::German, std::nullopt},
      {"re#", NoteNaming::FixedDo, NoteName('D', 1)},
      {"RÉ♯", NoteNaming::FixedDo, NoteName('D', 1)},
      {"sib", NoteNaming::FixedDo, NoteName('B', -1)},
      {"sol", NoteNaming::FixedDo, NoteName('G', 0)},
      {"dox", NoteNaming::FixedDo, NoteName('C', 2)},
      {"do##", NoteNaming::FixedDo, NoteName('C', 2)},
      {"mi𝄫", NoteNaming::FixedDo, NoteName('E', -2)},
      {"so", NoteNaming::FixedDo, std::nullopt},
      {"ti", NoteNaming::FixedDo, std::nullopt},
      {"sibbb", NoteNaming::FixedDo, std::nullopt},
      {"F#", NoteNaming::Letters, NoteName('F', 1)},
      {"Cbbb", NoteNaming::Letters, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(read_typed_name(c.typed, c.naming), c.note) << c.typed;
  }
}

TEST(NoteNamingTest, SpeaksTheNameInWords) {
  EXPECT_EQ(spoken_name({'B', -1}, NoteNaming::Letters), "B flat");
  EXPECT_EQ(spoken_name({'C', 2}, NoteNaming::Letters), "C double sharp");
  EXPECT_EQ(spoken_name({'E', 0}, NoteNaming::Letters), "E");
  EXPECT_EQ(spoken_name({'B', -2}, NoteNaming::German), "Heses");
  const AccidentalWords french{"bémol", "double bémol", "dièse", "double dièse"};
  EXPECT_EQ(spoken_name({'D', 1}, NoteNaming::FixedDo, french), "Ré dièse");
  EXPECT_EQ(spoken_name({'B', -2}, NoteNaming::FixedDo, french), "Si double bémol");
  EXPECT_EQ(spoken_name({'G', -1}, NoteNaming::FixedDo, french), "Sol bémol");
}

TEST(NoteNamingTest, ConventionWordsRoundTripAndRefuseOthers) {
  EXPECT_EQ(note_naming_from_word("letters"), NoteNaming::Letters);
  EXPECT_EQ(note_naming_from_word("german"), NoteNaming::German);
  EXPECT_EQ(note_naming_from_word("fixed-do"), NoteNaming::FixedDo);
  EXPECT_EQ(note_naming_from_word("solfege"), std::nullopt);
  EXPECT_EQ(note_naming_from_word("German"), std::nullopt);
}

// Each key typed in turn, and what the circle would then hold ("" while nothing is named yet,
// "-" when the key is refused).
std::vector<std::string> typed_notes(NoteNaming naming, const std::vector<std::string>& keys) {
  std::vector<std::string> shown;
  std::string typed;
  for (const std::string& key : keys) {
    const std::optional<TypingState> state = type_note_key(typed, key, naming);
    if (!state) {
      shown.push_back("-");
      continue;
    }
    typed = state->typed;
    shown.push_back(state->note ? state->note->text() : "");
  }
  return shown;
}

TEST(NoteTypingTest, EachKeyContinuesTheNameOrStartsANewOne) {
  using Shown = std::vector<std::string>;
  EXPECT_EQ(typed_notes(NoteNaming::German, {"f", "i", "s", "h", "e", "s", "e", "s"}),
            (Shown{"F", "", "F#", "B", "", "", "", "Bbb"}));
  EXPECT_EQ(typed_notes(NoteNaming::German, {"e", "s", "b", "q", "a", "s"}),
            (Shown{"E", "Eb", "Bb", "-", "A", "Ab"}));
  EXPECT_EQ(typed_notes(NoteNaming::FixedDo, {"r", "é", "#", "s", "i", "b", "b", "b"}),
            (Shown{"", "D", "D#", "", "B", "Bb", "Bbb", "-"}));
  EXPECT_EQ(typed_notes(NoteNaming::FixedDo, {"s", "o", "l", "♯", "d", "o", "x"}),
            (Shown{"", "", "G", "G#", "", "C", "Cx"}));
  EXPECT_EQ(typed_notes(NoteNaming::Letters, {"e", "b", "#", "#", "é"}),
            (Shown{"E", "Eb", "-", "-", "-"}));
  EXPECT_EQ(typed_notes(NoteNaming::Letters, {"f", "#", "#"}), (Shown{"F", "F#", "Fx"}));
}

TEST(ChordWordsTest, ReadsTheFamilyAndEachAlterationInOrder) {
  using W = ChordWord;
  const std::pair<std::string_view, std::vector<W>> cases[] = {
      {"Min7_#5_#9", {W::MinorSeventh, W::SharpFive, W::SharpNine}},
      {"Dom7_b5_b9", {W::DominantSeventh, W::FlatFive, W::FlatNine}},
      {"6/9", {W::SixNine}},
      {"Min6/9", {W::MinorSixNine}},
      {"Dom9_sus", {W::DominantNinth, W::SuspendedFourth}},
      {"Dom9_sus2", {W::DominantNinth, W::SuspendedSecond}},
      {"Min9_maj7", {W::MinorNinth, W::MajorSeventh}},
      {"Maj9_#5", {W::MajorNinth, W::SharpFive}},
      {"Min7_#4_b9", {W::MinorSeventh, W::SharpFour, W::FlatNine}},
      {"Dom13", {}},
      {"", {}}};
  for (const auto& [name, words] : cases) EXPECT_EQ(chord_type_words(name), words) << name;
}

TEST(ChordWordsTest, EveryCatalogueNameHasWords) {
  for (const ChordType& type : kChordCatalogue) {
    EXPECT_FALSE(chord_type_words(type.name).empty()) << type.name;
  }
}

}  // namespace
}  // namespace velmora
