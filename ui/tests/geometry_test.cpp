#include "ui/geometry.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

TEST(DialogUnits, QuarterCharacterWidthAndEighthHeight) {
  const DialogBaseUnits base{7, 15};
  EXPECT_EQ(HorizontalDialogUnitsToPixels(4, base), 7);
  EXPECT_EQ(HorizontalDialogUnitsToPixels(10, base), 18);  // 17.5 rounds up
  EXPECT_EQ(VerticalDialogUnitsToPixels(8, base), 15);
  EXPECT_EQ(VerticalDialogUnitsToPixels(12, base), 23);  // 22.5
  EXPECT_EQ(HorizontalDialogUnitsToPixels(-1, base), -2);
  EXPECT_EQ(DialogRectToPixels(4, 8, 40, 16, base), (ScreenRect{7, 15, 70, 30}));
}

struct CentreRow {
  const char* name;
  ScreenRect reference;
  int width, height;
  ScreenPoint expected;
};
void PrintTo(const CentreRow& c, std::ostream* os) { *os << c.name; }

class CenterPositionTest : public testing::TestWithParam<CentreRow> {};

// A 1024 x 768 screen whose maximised windows are 738 high (task bar).
TEST_P(CenterPositionTest, CentresAndClamps) {
  const auto& row = GetParam();
  const ScreenRect screen{0, 0, 1024, 768};
  const ScreenRect work{0, 0, 1024, 738};
  EXPECT_EQ(CenterPosition(row.reference, row.width, row.height, screen, work), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, CenterPositionTest,
    testing::Values(CentreRow{"Centred", {100, 100, 400, 300}, 200, 100, {200, 200}},
                    CentreRow{"HalfPixelRoundsUp", {0, 0, 401, 301}, 200, 100, {101, 101}},
                    CentreRow{"NearRightEdgeMovesLeft", {900, 100, 400, 300}, 300, 100, {724, 200}},
                    CentreRow{"NearLeftEdgeStopsAtZero", {-300, 100, 300, 300}, 300, 100, {0, 200}},
                    CentreRow{"BelowTheWorkAreaMovesUp", {100, 650, 400, 300}, 200, 120, {200, 618}},
                    CentreRow{"AboveTheScreenStopsAtZero", {100, -400, 400, 300}, 200, 100, {200, 0}},
                    CentreRow{"WiderThanTheScreen", {0, 0, 1024, 768}, 1200, 100, {0, 334}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CenterPosition, FollowsTheScreenOfASecondMonitor) {
  const ScreenRect screen{1024, 0, 800, 600};
  EXPECT_EQ(CenterPosition({1700, 100, 200, 200}, 300, 100, screen, screen), (ScreenPoint{1524, 150}));
}

}  // namespace
}  // namespace pekto
