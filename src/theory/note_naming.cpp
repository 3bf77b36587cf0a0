#include "theory/note_naming.h"

#include <array>

namespace velmora {
namespace {

constexpr std::string_view kLetterOrder = "CDEFGAB";
constexpr std::array<std::string_view, 7> kSyllables = {"Do", "Ré", "Mi", "Fa", "Sol", "La", "Si"};
constexpr std::string_view kFlatSign = "♭";
constexpr std::string_view kSharpSign = "♯";

void append_repeated(std::string& text, std::string_view piece, int times) {
  for (int i = 0; i < times; ++i) text.append(piece);
}

std::string german_name(const NoteName& note) {
  const char letter = note.letter();
  const int alteration = note.alteration();
  if (letter == 'B' && alteration == -1) return "B";
  std::string name(1, letter == 'B' ? 'H' : letter);
  if (alteration >= 0) {
    append_repeated(name, "is", alteration);
  } else if (letter == 'E' || letter == 'A') {
    // E and A begin with a vowel, so the first flat's "e" merges: Es, Eses; As, Ases.
    name.push_back('s');
    append_repeated(name, "es", -alteration - 1);
  } else {
    append_repeated(name, "es", -alteration);
  }
  return name;
}

std::string fixed_do_name(const NoteName& note) {
  std::string name(kSyllables[kLetterOrder.find(note.letter())]);
  const int alteration = note.alteration();
  append_repeated(name, alteration >= 0 ? kSharpSign : kFlatSign,
                  alteration >= 0 ? alteration : -alteration);
  return name;
}

void replace_all(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

// One spelling for every way of typing a name: lower case, no accents, "#" and "b" for the
// signs (the musical symbols and "x" for a double sharp are taken too).
std::string typed_form(std::string_view text, NoteNaming naming) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  std::string form;
  for (const char c : text) {
    form += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  if (naming == NoteNaming::FixedDo) {
    replace_all(form, "é", "e");
    replace_all(form, "É", "e");
    replace_all(form, "𝄪", "##");
    replace_all(form, "𝄫", "bb");
    replace_all(form, kSharpSign, "#");
    replace_all(form, kFlatSign, "b");
    replace_all(form, "x", "##");
  }
  return form;
}

// The typed form of each palette note in the convention, with its note.
struct TypedName {
  std::string form;
  NoteName note;
};

std::array<TypedName, 35> palette_forms(NoteNaming naming) {
  std::array<TypedName, 35> forms;
  std::size_t i = 0;
  for (const char letter : kLetterOrder) {
    for (int alteration = -2; alteration <= 2; ++alteration) {
      const NoteName note(letter, alteration);
      forms[i++] = {typed_form(display_name(note, naming), naming), note};
    }
  }
  return forms;
}

const std::array<TypedName, 35>& typed_names(NoteNaming naming) {
  static const std::array<TypedName, 35> kLetters = palette_forms(NoteNaming::Letters);
  static const std::array<TypedName, 35> kGerman = palette_forms(NoteNaming::German);
  static const std::array<TypedName, 35> kFixedDo = palette_forms(NoteNaming::FixedDo);
  switch (naming) {
    case NoteNaming::German: return kGerman;
    case NoteNaming::FixedDo: return kFixedDo;
    case NoteNaming::Letters: break;
  }
  return kLetters;
}

}  // namespace

std::string_view note_naming_word(NoteNaming naming) {
  switch (naming) {
    case NoteNaming::German: return "german";
    case NoteNaming::FixedDo: return "fixed-do";
    case NoteNaming::Letters: break;
  }
  return "letters";
}

std::optional<NoteNaming> note_naming_from_word(std::string_view word) {
  for (const NoteNaming naming : {NoteNaming::Letters, NoteNaming::German, NoteNaming::FixedDo}) {
    if (word == note_naming_word(naming)) return naming;
  }
  return std::nullopt;
}

std::string display_name(const NoteName& note, NoteNaming naming) {
  switch (naming) {
    case NoteNaming::German: return german_name(note);
    case NoteNaming::FixedDo: return fixed_do_name(note);
    case NoteNaming::Letters: break;
  }
  return note.text();
}

std::optional<NoteName> read_typed_name(std::string_view text, NoteNaming naming) {
  if (naming == NoteNaming::Letters) {
    const std::optional<NoteName> note = NoteName::from_text(text);
    if (note && note->on_palette()) return note;
    return std::nullopt;
  }
  const std::string form = typed_form(text, naming);
  for (const TypedName& name : typed_names(naming)) {
    if (name.form == form) return name.note;
  }
  return std::nullopt;
}

bool begins_typed_name(std::string_view text, NoteNaming naming) {
  const std::string form = typed_form(text, naming);
  if (form.empty()) return false;
  for (const TypedName& name : typed_names(naming)) {
    if (name.form.starts_with(form)) return true;
  }
  return false;
}

std::string spoken_name(const NoteName& note, NoteNaming naming, const AccidentalWords& words) {
  if (naming == NoteNaming::German) return german_name(note);
  std::string name = naming == NoteNaming::FixedDo
                         ? std::string(kSyllables[kLetterOrder.find(note.letter())])
                         : std::string(1, note.letter());
  std::string_view accidental;
  switch (note.alteration()) {
    case -2: accidental = words.double_flat; break;
    case -1: accidental = words.flat; break;
    case 1: accidental = words.sharp; break;
    case 2: accidental = words.double_sharp; break;
    case 0: return name;
    default: return display_name(note, naming);
  }
  return name.append(" ").append(accidental);
}

}  // namespace velmora
