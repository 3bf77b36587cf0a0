#include <gtest/gtest.h>

#include "worksheet/answer_key.h"

namespace velmora {
namespace {

// A star starts a new page when its place is taken already or comes before the last one placed;
// a key whose first readable star is not star 1 (its sheet's first block was damaged) still
// opens a page, heading first, with that star at its own place.
TEST(AnswerKeyLayoutTest, EachStarStandsAtItsPlaceAndAnEarlierPlaceStartsAPage) {
  constexpr PageSize kA4{11906, 16838};
  PageGeometry geometry;
  ASSERT_TRUE(lay_out_page(kA4, geometry).ok());
  const struct { std::vector<int> places; std::vector<std::vector<int>> pages; } cases[] = {
      {{3, 5}, {{3, 5}}}, {{4, 2}, {{4}, {2}}}, {{2, 2}, {{2}, {2}}},
      {{1, 6, 1}, {{1, 6}, {1}}}, {{1, 2, 3, 4, 5, 6}, {{1, 2, 3, 4, 5, 6}}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.places));
    std::vector<LoggedStar> stars(c.places.size());
    for (std::size_t i = 0; i < stars.size(); ++i) {
      stars[i] = {"12/06/26", "18:02:06", c.places[i], NoteName('C', 0), {}, 1};
    }
    std::vector<MarkedPage> pages;
    AnswerKeyLayout layout(geometry, std::nullopt, [&](const MarkedPage& page) {
      pages.push_back(page);
      return Status{};
    });
    for (const LoggedStar& star : stars) ASSERT_TRUE(layout.add(star).ok());
    ASSERT_TRUE(layout.finish().ok());
    std::vector<std::vector<int>> labelled(pages.size());
    for (std::size_t page = 0; page < pages.size(); ++page) {
      EXPECT_EQ(pages[page].front().text,
                "Answer key: every chord reads from its far end towards its name.");
      for (const auto& mark : pages[page]) {
        for (int place = 1; place <= kWorksheetStars; ++place) {
          if (mark.text == "12/06/26-" + std::to_string(place) + " 18:02:06" &&
              mark.at == geometry.star_centres[place - 1] + kStarLabelOffset) {
            labelled[page].push_back(place);
          }
        }
      }
    }
    EXPECT_EQ(labelled, c.pages);
  }
}

}  // namespace
}  // namespace velmora
