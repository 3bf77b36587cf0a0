#include "worksheet/page.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

struct PageCase {
  const char* name;
  PageSize page;
  std::array<Twips, 2> columns;
  std::array<Twips, 3> rows;
  Twips footer_y;
};

class LayOutPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(LayOutPageTest, PlacesStarsInReadingOrderAndTheFixedTexts) {
  const PageCase& c = GetParam();
  PageGeometry geometry;
  ASSERT_TRUE(Lay_Out_Page(c.page, geometry).ok());
  for (int star = 0; star < kWorksheetStars; ++star) {
    EXPECT_EQ(geometry.star_centres[star], (TwipPoint{c.columns[star % 2], c.rows[star / 2]}))
        << "star " << star + 1;
  }
  EXPECT_EQ(geometry.footer, (TwipPoint{100, c.footer_y}));
  EXPECT_EQ(geometry.heading, (TwipPoint{100, 200}));
}

constexpr Twips kMax = std::numeric_limits<Twips>::max();

INSTANTIATE_TEST_SUITE_P(
    Pages, LayOutPageTest,
    ::testing::Values(
        PageCase{"UsLetter", {12240, 15840}, {3320, 8320}, {2920, 7920, 12920}, 14640},
        PageCase{"A4", {11906, 16838}, {3153, 8153}, {3419, 8419, 13419}, 15638},
        // An odd width loses its half; an odd height's half goes to the even neighbour.
        PageCase{"OddWidth", {12241, 15840}, {3320, 8320}, {2920, 7920, 12920}, 14640},
        PageCase{"HalfRoundsDown", {12240, 15841}, {3320, 8320}, {2920, 7920, 12920}, 14641},
        PageCase{"HalfRoundsUp", {12240, 15843}, {3320, 8320}, {2922, 7922, 12922}, 14643},
        // Beyond 16 bits every position still comes out exact.
        PageCase{"A0", {47679, 67408}, {21039, 26039}, {28704, 33704, 38704}, 66208},
        PageCase{"LargestSides",
                 {kMax, kMax},
                 {kMax / 2 - 2800, kMax / 2 + 2200},
                 {kMax / 2 - 4999, kMax / 2 + 1, kMax / 2 + 5001},
                 kMax - 1200}),
    [](const auto& info) { return std::string(info.param.name); });

class UnfitPageTest : public ::testing::TestWithParam<PageSize> {};

TEST_P(UnfitPageTest, IsAFailureNotAWrongPage) {
  PageGeometry geometry;
  const Status status = Lay_Out_Page(GetParam(), geometry);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().number, kPageNotLaidOut);
  EXPECT_NE(status.failure().description.find(std::to_string(GetParam().height)),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pages, UnfitPageTest,
                         ::testing::Values(PageSize{std::int64_t{kMax} + 1, 15840},
                                           PageSize{12240, std::int64_t{kMax} + 1},
                                           PageSize{std::numeric_limits<std::int64_t>::max(),
                                                    std::numeric_limits<std::int64_t>::max()},
                                           PageSize{0, 15840}, PageSize{12240, -15840}),
                         [](const auto& info) { return "Page" + std::to_string(info.index); });

}  // namespace
}  // namespace velmora
