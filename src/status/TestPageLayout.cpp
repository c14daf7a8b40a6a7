#include "TestPageLayout.h"

#include <cstdint>

std::optional<TestPagePlacement> PlaceTestPage(const PageGeometry& page, int bitmapWidth,
                                               int bitmapHeight) {
    const std::int64_t areaWidth =
        std::int64_t{page.physicalWidth} - 4 * std::int64_t{page.offsetX};
    const std::int64_t areaHeight =
        std::int64_t{page.physicalHeight} - 8 * std::int64_t{page.offsetY};
    if (areaWidth <= 0 || areaHeight <= 0 || bitmapWidth <= 0 || bitmapHeight <= 0)
        return std::nullopt;
    // The ratios compared and the sizes scaled in whole numbers: no rounding of a quotient can
    // leave the picture a pixel short of the side it fills.
    std::int64_t width = areaWidth;
    std::int64_t height = areaHeight;
    if (std::int64_t{bitmapWidth} * areaHeight >= areaWidth * bitmapHeight)
        height = std::int64_t{bitmapHeight} * areaWidth / bitmapWidth;
    else
        width = std::int64_t{bitmapWidth} * areaHeight / bitmapHeight;
    if (width == 0 || height == 0)
        return std::nullopt;
    const std::int64_t x = areaWidth / 2 - width / 2 + 2 * std::int64_t{page.offsetX};
    const std::int64_t y = areaHeight / 2 - height / 2 + 2 * std::int64_t{page.offsetY};
    return TestPagePlacement{static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                             static_cast<int>(height)};
}
