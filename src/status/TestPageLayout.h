// Where the test page's picture goes on the paper: scaled to the printable area, keeping its
// proportions, and centred. Decided from the printer's page geometry and the picture's size alone.
#pragma once

#include <optional>

// The printer's page in device pixels: its physical size and the offsets of the printable area.
struct PageGeometry {
    int physicalWidth;
    int physicalHeight;
    int offsetX;
    int offsetY;
};

// The picture's rectangle on the printer's device context.
struct TestPagePlacement {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const TestPagePlacement&) const = default;
};

// The placement of a picture of bitmapWidth by bitmapHeight pixels. The printable area is the
// physical width less four times offset x by the physical height less eight times offset y; the
// picture takes the area's whole width when it is at least as wide, proportionally, as the area,
// else its whole height (sizes truncated). Nothing when the area or the picture has no size, or
// when the scaled picture would have none: there is nothing to print then.
std::optional<TestPagePlacement> PlaceTestPage(const PageGeometry& page, int bitmapWidth,
                                               int bitmapHeight);
