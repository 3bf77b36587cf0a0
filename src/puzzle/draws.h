#pragma once

#include "puzzle/board.h"
#include "theory/notes.h"

namespace velmora {

class Random;

// A position 1..names, each equally likely, from one value of a freshly re-seeded generator.
int Draw_Position(int names, Random& random);

void Draw_Key(Board& board, const FramedList& Key_Names, Random& random);
void Draw_Chord_Type(Board& board, const FramedList& Chord_Types, Random& random);

// Chord_1 .. Chord_4, redrawn until pairwise distinct.
void Draw_Distinct_Chord_Types(Board& board, const FramedList& Chord_Types, Random& random);

// Sets Regenerate when any answer is longer than three characters; never clears it.
void Reject_Long_Notes(Board& board);

// The circle (1..17) whose note is given, from one value of the generator without re-seeding;
// the centre when the centre is asked for, though the value is drawn all the same.
int Draw_Given_Circle(Random& random, bool centre_question);

}  // namespace velmora
