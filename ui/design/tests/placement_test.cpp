// Where a window opens: on the screen, and within reach when it is too large.
#include <gtest/gtest.h>

#include <string>

#include "placement.h"

namespace zephyrod::design {
namespace {

struct PlacementCase {
    const char* name;
    int width;
    int height;
    ScreenRect centreOn;
    ScreenRect available;
    ScreenPoint expected;
};

class Placement : public testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CentresAndKeepsTheTitleBarOnTheScreen) {
    const PlacementCase& c = GetParam();
    const ScreenPoint place = CentredPlacement(c.width, c.height, c.centreOn, c.available);
    EXPECT_EQ(place.x, c.expected.x);
    EXPECT_EQ(place.y, c.expected.y);
}

constexpr ScreenRect kScreen{0, 0, 1280, 1024};

INSTANTIATE_TEST_SUITE_P(
    Windows, Placement,
    testing::Values(
        PlacementCase{"FitsCentred", 420, 640, kScreen, kScreen, {430, 192}},
        PlacementCase{
            "FitsBelowATopPanel", 420, 640, {0, 30, 1280, 994}, {0, 30, 1280, 994}, {430, 207}},
        // 2x scaling on a 1920x1080 screen: the top of the window on the screen.
        PlacementCase{"TallerThanTheArea", 420, 640, {0, 0, 960, 540}, {0, 0, 960, 540}, {270, 0}},
        PlacementCase{"LargerBothWaysOnASecondScreen",
                      420,
                      640,
                      {1920, 24, 400, 500},
                      {1920, 24, 400, 500},
                      {1920, 24}},
        PlacementCase{"OverItsOwner", 100, 50, {200, 100, 400, 300}, kScreen, {350, 225}},
        PlacementCase{
            "OwnerAtTheScreensEdge", 100, 50, {1200, 980, 400, 300}, kScreen, {1180, 974}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephyrod::design
