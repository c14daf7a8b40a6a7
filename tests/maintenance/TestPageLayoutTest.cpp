// Where the test page's picture lands on the paper: scaled to the printable area with its
// proportions kept, centred, and nothing at all where there is no size to scale.
#include "status/TestPageLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {
// Letter paper at 600 dots per inch with a sixth of an inch unprintable: the printable area is
// 5100 - 4 * 100 = 4700 wide and 6600 - 8 * 100 = 5800 high.
constexpr PageGeometry kLetter{5100, 6600, 100, 100};

struct PlacementCase {
    const char* name;
    PageGeometry page;
    int bitmapWidth;
    int bitmapHeight;
    std::optional<TestPagePlacement> expected;
};

std::ostream& operator<<(std::ostream& out, const PlacementCase& test) {
    return out << test.name;
}

class TestPagePlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(TestPagePlacementTest, FitsThePrintableArea) {
    const PlacementCase& test = GetParam();
    const std::optional<TestPagePlacement> placed =
        PlaceTestPage(test.page, test.bitmapWidth, test.bitmapHeight);
    ASSERT_EQ(placed.has_value(), test.expected.has_value());
    if (!placed)
        return;
    EXPECT_EQ(placed->x, test.expected->x);
    EXPECT_EQ(placed->y, test.expected->y);
    EXPECT_EQ(placed->width, test.expected->width);
    EXPECT_EQ(placed->height, test.expected->height);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TestPagePlacementTest,
    testing::Values(
        // Much wider than the page: the area's width, centred from top to bottom.
        PlacementCase{"WiderThanThePage", kLetter, 4000, 1000,
                      TestPagePlacement{200, 2513, 4700, 1175}},
        // Taller, proportionally: the area's height, centred from side to side.
        PlacementCase{"Taller", kLetter, 480, 640, TestPagePlacement{375, 200, 4350, 5800}},
        // The area's own proportions, small or large: the whole area either way.
        PlacementCase{"SameRatioSmall", kLetter, 47, 58, TestPagePlacement{200, 200, 4700, 5800}},
        PlacementCase{"SameRatioLarge", kLetter, 9400, 11600,
                      TestPagePlacement{200, 200, 4700, 5800}},
        // Scaled sizes are cut to whole pixels, never rounded up past the area.
        PlacementCase{"TruncatedWidth", PageGeometry{100, 100, 0, 0}, 3, 7,
                      TestPagePlacement{29, 0, 42, 100}},
        PlacementCase{"OddCentring", PageGeometry{101, 51, 0, 0}, 1, 1,
                      TestPagePlacement{25, 0, 51, 51}},
        // No size anywhere: nothing to print, and no division by zero.
        PlacementCase{"BitmapWithoutWidth", kLetter, 0, 640, std::nullopt},
        PlacementCase{"BitmapWithoutHeight", kLetter, 480, 0, std::nullopt},
        PlacementCase{"NegativeBitmap", kLetter, -480, 640, std::nullopt},
        PlacementCase{"PageWithoutSize", PageGeometry{0, 0, 0, 0}, 480, 640, std::nullopt},
        PlacementCase{"OffsetsEatTheWidth", PageGeometry{400, 6600, 100, 100}, 480, 640,
                      std::nullopt},
        PlacementCase{"OffsetsEatTheHeight", PageGeometry{5100, 800, 100, 100}, 480, 640,
                      std::nullopt},
        // A sliver that scales to less than a pixel high prints nothing.
        PlacementCase{"ScaledToNothing", PageGeometry{100, 100, 0, 0}, 10000, 1, std::nullopt}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });
} // namespace
