#pragma once

#include <string>

#include "puzzle/board.h"
#include "theory/notes.h"

namespace velmora {

class Random;

// A position 1..names, each equally likely, from one value of a freshly re-seeded generator.
int draw_position(int names, Random& random);

// One of the key names between the list's sentinels.
NoteName Draw_Key(const FramedList& Key_Names, Random& random);
// One of the level's chord-type names between the list's sentinels.
std::string Draw_Chord_Type(const FramedList& Chord_Types, Random& random);

// Chord_1 .. Chord_4, each drawn once and then redrawn until the four are pairwise distinct.
ChordNames Choose_Worksheet_Chords(const FramedList& Chord_Types, Random& random);

// Whether any answer is longer than three characters, which no palette name is.
bool Reject_Long_Notes(const CircleNotes& Circle_Notes);

// The circle (1..17) whose note is given, from one value of the generator without re-seeding;
// the centre when the centre is asked for, though the value is drawn all the same.
int draw_given_circle(Random& random, bool centre_question);

}  // namespace velmora
