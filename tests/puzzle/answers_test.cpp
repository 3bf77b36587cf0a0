#include "puzzle/answers.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(CheckMessageTest, WritesTheCountWithoutPaddingAndNoBlankBeforeTheBracket) {
  EXPECT_EQ(Check_Message(0), "You have 0 correct answers out of 17.(The First is always given!)");
  EXPECT_EQ(Check_Message(17),
            "You have 17 correct answers out of 17.(The First is always given!)");
}

// A key still in its bare form is padded before the comparison, which keeps blanks and case.
TEST(CountCorrectTest, PadsTheKeyAndComparesExactly) {
  CircleNotes notes;
  CircleLabels labels;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    circle_note(notes, circle) = "Ebb";
    labels[circle - 1].caption = " Ebb";
  }
  labels[0].caption = "Ebb";
  labels[1].caption = " EBB";
  labels[2].caption = "";
  EXPECT_EQ(Count_Correct(notes, labels), 14);
  EXPECT_EQ(circle_note(notes, 1), " Ebb");
}

TEST(ShowGivenNoteTest, EmptiesTheOtherLabelsAndShowsTheAnswerKeyForm) {
  CircleNotes notes;
  notes.fill("   C");
  circle_note(notes, 3) = "Abbb";
  CircleLabels labels;
  for (Label& label : labels) label.caption = "  D#";
  Show_Given_Note(labels, notes, 3);
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    SCOPED_TRACE(circle);
    EXPECT_EQ(labels[circle - 1].caption, circle == 3 ? "Abbb" : "");
    EXPECT_EQ(labels[circle - 1].enabled, circle != 3);
  }
}

}  // namespace
}  // namespace velmora
