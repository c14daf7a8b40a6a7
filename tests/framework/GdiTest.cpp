#include "Gdi.h"

#include <functional>
#include <gtest/gtest.h>
#include <type_traits>

static_assert(!std::is_copy_constructible_v<CBrush>, "an owner is never copied");
static_assert(std::is_copy_constructible_v<CBrushHandle>, "a handle copies freely");
static_assert(std::is_nothrow_move_constructible_v<CRgn>);

namespace {
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kInk = RGB(0, 0, 200);
constexpr COLORREF kPaper = RGB(0, 160, 0);

// A 32-bit bitmap whose pixel (x, y) is ink where inked(x, y), else the key colour.
CBitmap MakeBitmap(int width, int height, const std::function<bool(int, int)>& inked) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<DWORD*>(bits);
    auto dibColour = [](COLORREF c) {
        return (static_cast<DWORD>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = dibColour(inked(x, y) ? kInk : kKey);
    ::GdiFlush();
    return bitmap;
}

struct RegionCase {
    const char* name;
    int width;
    int height;
    std::function<bool(int, int)> inked;
};

TEST(RegionFromBitmap, HoldsExactlyThePixelsThatAreNotKey) {
    const RegionCase cases[] = {
        {"scattered", 7, 5, [](int x, int y) { return (x * 3 + y * 5) % 4 == 0; }},
        {"full rows and gaps", 9, 6, [](int x, int y) { return y % 2 == 0 || x == 8; }},
        {"disc", 31, 31,
         [](int x, int y) { return (x - 15) * (x - 15) + (y - 15) * (y - 15) <= 200; }},
        // Thousands of runs: the region is built from several batches.
        {"stripes", 120, 80, [](int x, int) { return x % 2 == 0; }},
    };
    for (const RegionCase& c : cases) {
        CBitmap bitmap = MakeBitmap(c.width, c.height, c.inked);
        CRgn region;
        region.Attach(CreateRegionFromBitmap(bitmap, kKey));
        ASSERT_TRUE(region.IsValid()) << c.name;
        int wrong = 0;
        for (int y = -1; y <= c.height; ++y) {
            for (int x = -1; x <= c.width; ++x) {
                bool inside = x >= 0 && y >= 0 && x < c.width && y < c.height && c.inked(x, y);
                wrong += (region.PtInRegion(x, y) != FALSE) != inside;
            }
        }
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

TEST(RegionFromBitmap, AllKeyGivesAnEmptyRegionAndNoBitmapNone) {
    CBitmap bitmap = MakeBitmap(4, 4, [](int, int) { return false; });
    CRgn region;
    region.Attach(CreateRegionFromBitmap(bitmap, kKey));
    RECT box{};
    EXPECT_EQ(region.GetRgnBox(&box), NULLREGION);
    EXPECT_EQ(CreateRegionFromBitmap(nullptr, kKey), nullptr);
}

TEST(RegionWrapper, CombinesAndOffsets) {
    CRgn a;
    CRgn b;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(20, 0, 30, 10);
    CRgn both;
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(both.CombineRgn(a, b, RGN_OR), COMPLEXREGION);
    both.OffsetRgn(5, 5);
    EXPECT_TRUE(both.PtInRegion(5, 5));
    EXPECT_FALSE(both.PtInRegion(4, 4));
    EXPECT_TRUE(both.PtInRegion(34, 14));
    EXPECT_FALSE(both.PtInRegion(20, 10));
    CRgn none;
    EXPECT_EQ(none.CombineRgn(a, b, RGN_OR), ERROR);
}

// Paper-coloured memory surface the tests draw on and read back.
class Surface {
public:
    Surface(int width, int height) : m_dc(nullptr, width, height) {
        m_dc.FillSolidRect(0, 0, width, height, kPaper);
    }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    CMemoryDC& Dc() { return m_dc; }

private:
    CMemoryDC m_dc;
};

TEST(TransparentBitmap, LeavesKeyPixelsUntouched) {
    auto inked = [](int x, int y) { return (x + y) % 3 != 0; };
    CBitmap bitmap = MakeBitmap(5, 4, inked);
    Surface surface(12, 10);
    ASSERT_TRUE(DrawTransparentBitmap(surface.Dc(), bitmap, 3, 2, kKey));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            bool onBitmap = x >= 3 && x < 8 && y >= 2 && y < 6;
            COLORREF expected = onBitmap && inked(x - 3, y - 2) ? kInk : kPaper;
            ASSERT_EQ(surface.At(x, y), expected) << "pixel " << x << "," << y;
        }
    }
}

TEST(TransparentBitmap, StretchesToTheDestination) {
    auto inked = [](int x, int y) { return x == y; };
    CBitmap bitmap = MakeBitmap(3, 3, inked);
    Surface surface(8, 8);
    ASSERT_TRUE(DrawTransparentBitmap(surface.Dc(), bitmap, RECT{1, 1, 7, 7}, kKey));
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 7; ++x)
            EXPECT_EQ(surface.At(x, y), inked((x - 1) / 2, (y - 1) / 2) ? kInk : kPaper)
                << "pixel " << x << "," << y;
    EXPECT_EQ(surface.At(0, 0), kPaper);
    EXPECT_FALSE(DrawTransparentBitmap(surface.Dc(), nullptr, 0, 0, kKey));
}

TEST(GdiObjects, OwnersDeleteAndHandlesDoNot) {
    HBRUSH raw = nullptr;
    {
        CBrush owner;
        raw = owner.CreateSolidBrush(kInk);
        ASSERT_NE(raw, nullptr);
        {
            CBrushHandle view(owner);
            CBrushHandle copy = view;
            EXPECT_EQ(copy.Get(), raw);
        }
        EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
        CBrush moved(std::move(owner));
        EXPECT_TRUE(owner.IsNull());
        EXPECT_EQ(moved.Get(), raw);
        // Attaching another object deletes the one held before.
        CBrush other;
        other.CreateSolidBrush(kPaper);
        HBRUSH replaced = other;
        other.Attach(moved.Detach());
        EXPECT_EQ(::GetObjectType(replaced), 0u);
    }
    EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST(GdiObjects, CreationHelpersDescribeWhatTheyMade) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial", nullptr, true));
    LOGFONTA logFont{};
    ASSERT_TRUE(font.GetLogFont(logFont));
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    EXPECT_LT(logFont.lfHeight, 0);

    CBitmap bitmap = MakeBitmap(6, 4, [](int, int) { return true; });
    EXPECT_EQ(bitmap.GetSize().cx, 6);
    EXPECT_EQ(bitmap.GetSize().cy, 4);
    EXPECT_EQ(CBitmapHandle().GetSize().cx, 0);
    CBitmap missing;
    EXPECT_EQ(missing.LoadBitmap(0xBEEF), nullptr);

    struct {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } palette{{0x300, 2, {{255, 0, 0, 0}}}, {{0, 255, 0, 0}}};
    CPalette owned;
    ASSERT_TRUE(owned.CreatePalette(&palette.header));
    EXPECT_EQ(owned.GetEntryCount(), 2);
    EXPECT_EQ(CPalette().CreatePalette(nullptr), nullptr);
}

TEST(DeviceContexts, ScopedSelectionRestoresAndMemoryDcOwnsItsBitmap) {
    CMemoryDC memory(nullptr, 16, 8);
    ASSERT_NE(memory.GetSafeHdc(), nullptr);
    EXPECT_EQ(::GetCurrentObject(memory, OBJ_BITMAP), memory.GetBitmap());
    EXPECT_EQ(memory.GetSize().cx, 16);
    HGDIOBJ before = ::GetCurrentObject(memory, OBJ_PEN);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, kInk);
    {
        CSelectObject select(memory, pen);
        EXPECT_EQ(::GetCurrentObject(memory, OBJ_PEN), pen.Get());
    }
    EXPECT_EQ(::GetCurrentObject(memory, OBJ_PEN), before);

    Surface target(20, 10);
    memory.FillSolidRect(0, 0, 16, 8, kInk);
    memory.CopyTo(target.Dc(), 2, 1);
    EXPECT_EQ(target.At(2, 1), kInk);
    EXPECT_EQ(target.At(17, 8), kInk);
    EXPECT_EQ(target.At(18, 9), kPaper);
}

} // namespace
