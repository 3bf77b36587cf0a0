#include <gtest/gtest.h>

#include <algorithm>

#include "worksheet/answer_key.h"

namespace velmora {
namespace {

constexpr PageSize kA4{11906, 16838};

LoggedStar star_at(int place) {
  LoggedStar star;
  star.date = "12/06/26";
  star.time = "18:02:06";
  star.star = place;
  star.key = NoteName('C', 0);
  star.board.chords = {"Maj9", "Dom9", "Min9", "Dom9_sus2"};
  return star;
}

// The places of the stars whose labels a page shows, 1..6, in the order drawn.
std::vector<int> labelled_places(const auto& page, const PageGeometry& geometry) {
  std::vector<int> places;
  for (const auto& mark : page) {
    for (int place = 1; place <= kWorksheetStars; ++place) {
      if (mark.text == "12/06/26-" + std::to_string(place) + " 18:02:06" &&
          mark.at == geometry.star_centres[place - 1] + kStarLabelOffset) {
        places.push_back(place);
      }
    }
  }
  return places;
}

// A log whose first readable star is not star 1 (its sheet's first block was damaged) still
// opens a page, with its heading, for that star at its own place.
TEST(AnswerKeyLayoutTest, AKeyMayStartPastTheSheetsFirstStar) {
  PageGeometry geometry;
  ASSERT_TRUE(lay_out_page(kA4, geometry).ok());
  std::vector<MarkedPage> pages;
  ASSERT_TRUE(lay_out_answer_key({star_at(3), star_at(5)}, kA4, std::nullopt, pages).ok());
  ASSERT_EQ(pages.size(), 1U);
  EXPECT_EQ(labelled_places(pages[0], geometry), (std::vector<int>{3, 5}));
  EXPECT_TRUE(std::any_of(pages[0].begin(), pages[0].end(), [](const auto& mark) {
    return mark.text == "Answer key: every chord reads from its far end towards its name.";
  }));
}

// A star whose place is taken already, or comes before the last one placed, starts a new page.
TEST(AnswerKeyLayoutTest, AStarAtOrBeforeTheLastPlaceStartsANewPage) {
  PageGeometry geometry;
  ASSERT_TRUE(lay_out_page(kA4, geometry).ok());
  for (const auto& [places, pages_expected] :
       {std::pair{std::vector<int>{4, 2}, 2U}, {std::vector<int>{2, 2}, 2U},
        {std::vector<int>{1, 6, 1}, 2U}, {std::vector<int>{1, 2, 3, 4, 5, 6}, 1U}}) {
    std::vector<LoggedStar> stars;
    for (int place : places) stars.push_back(star_at(place));
    std::vector<MarkedPage> pages;
    ASSERT_TRUE(lay_out_answer_key(stars, kA4, std::nullopt, pages).ok());
    EXPECT_EQ(pages.size(), pages_expected) << places.size() << " stars from " << places[0];
    EXPECT_EQ(labelled_places(pages.back(), geometry).back(), places.back());
  }
}

}  // namespace
}  // namespace velmora
