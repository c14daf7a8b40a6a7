// The resource module as the code sees it: every id it loads exists, the texts it parses hold
// what it expects, and the skin keeps the geometry that the main window's code relies on.
#include <windows.h>

#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

struct LibraryDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct GdiDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct WindowDeleter {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiDeleter>;
using UniquePalette = std::unique_ptr<std::remove_pointer_t<HPALETTE>, GdiDeleter>;
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

constexpr COLORREF kKey = RGB(0, 255, 0);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // top-down rows

    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool isKey(int x, int y) const { return at(x, y) == kKey; }
};

INT_PTR CALLBACK IdleDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

class ResourceModule : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_module.reset(LoadLibraryA("vqtrqorr.dll")); }
    static void TearDownTestSuite() { s_module.reset(); }

    void SetUp() override { ASSERT_NE(module(), nullptr) << "vqtrqorr.dll did not load"; }

    static HMODULE module() { return s_module.get(); }

    static std::string loadString(UINT id) {
        char text[512] = {};
        const int length = LoadStringA(module(), id, text, sizeof text);
        return std::string(text, static_cast<size_t>(std::max(length, 0)));
    }

    static Picture loadPicture(UINT id) {
        Picture picture;
        UniqueBitmap bitmap(static_cast<HBITMAP>(
            LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (!bitmap) {
            return picture;
        }
        BITMAP info = {};
        GetObjectA(bitmap.get(), sizeof info, &info);
        BITMAPINFO format = {};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = info.bmWidth;
        format.bmiHeader.biHeight = -info.bmHeight;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        std::vector<uint32_t> bgra(static_cast<size_t>(info.bmWidth) * info.bmHeight);
        HDC screen = GetDC(nullptr);
        const int rows =
            GetDIBits(screen, bitmap.get(), 0, info.bmHeight, bgra.data(), &format, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        if (rows != info.bmHeight) {
            return picture;
        }
        picture.width = info.bmWidth;
        picture.height = info.bmHeight;
        for (uint32_t value : bgra) {
            picture.pixels.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
        }
        return picture;
    }

    // The bytes of a resource, or an empty view when it is missing.
    static std::pair<const BYTE*, DWORD> resourceBytes(LPCSTR type, UINT id) {
        HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(id), type);
        HGLOBAL loaded = found ? LoadResource(module(), found) : nullptr;
        if (!loaded) {
            return {nullptr, 0};
        }
        return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module(), found)};
    }

    static UniqueWindow createDialog(UINT id, HWND parent) {
        return UniqueWindow(
            CreateDialogParamA(module(), MAKEINTRESOURCEA(id), parent, IdleDialogProc, 0));
    }

private:
    static UniqueLibrary s_module;
};

UniqueLibrary ResourceModule::s_module;

const RECT kHole = {MAIN_PAGE_HOLE_LEFT, MAIN_PAGE_HOLE_TOP, MAIN_PAGE_HOLE_RIGHT,
                    MAIN_PAGE_HOLE_BOTTOM};

RECT navButtonRect(int index) {
    const int top = MAIN_NAV_TOP + index * MAIN_NAV_PITCH;
    return {MAIN_NAV_LEFT, top, MAIN_NAV_LEFT + MAIN_NAV_WIDTH, top + MAIN_NAV_HEIGHT};
}

std::string describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// --- Every id the code loads
// ----------------------------------------------------------------------

struct ResourceId {
    LPCSTR type;
    UINT id;
    const char* name;
};

TEST_F(ResourceModule, HoldsEveryTemplatePictureIconAndPaletteTheCodeLoads) {
    const ResourceId ids[] = {
        {RT_DIALOG, IDD_QOR_MAIN, "main window"},
        {RT_DIALOG, IDD_PAGE_HOME, "Home page"},
        {RT_DIALOG, IDD_PAGE_INK_CARTRIDGE, "Ink Cartridge page"},
        {RT_DIALOG, IDD_PAGE_FEATURES, "Printer Features page"},
        {RT_DIALOG, IDD_PAGE_TROUBLESHOOTING, "Troubleshooting page"},
        {RT_DIALOG, IDD_PAGE_INK_TANKS, "Ink Tanks page"},
        {RT_DIALOG, IDD_PAGE_CONTACT, "Contact page"},
        {RT_DIALOG, IDD_PAGE_ADVANCED, "Advanced page"},
        {RT_BITMAP, IDB_MAIN_BACKGROUND, "background"},
        {RT_BITMAP, IDB_MAIN_LOGO, "logo"},
        {RT_BITMAP, IDB_MAIN_BANNER, "banner"},
        {RT_GROUP_ICON, IDI_QOR, "window icon"},
        {IDR_RT_PALETTE, IDR_PALETTE, "palette"},
    };
    for (const ResourceId& entry : ids) {
        EXPECT_NE(FindResourceA(module(), MAKEINTRESOURCEA(entry.id), entry.type), nullptr)
            << entry.name << " " << entry.id;
    }
    for (UINT id = IDB_NAV_HOME_UP; id <= IDB_NAV_ADVANCED_HOVER; ++id) {
        EXPECT_NE(FindResourceA(module(), MAKEINTRESOURCEA(id), RT_BITMAP), nullptr)
            << "navigation picture " << id;
    }
}

TEST_F(ResourceModule, StringsHoldTheTextsTheCodeParses) {
    const struct {
        UINT id;
        const char* text;
    } exact[] = {
        {IDS_LANGUAGE_NAME, "english"},        {IDS_POINT_SIZE_SMALL, "8"},
        {IDS_POINT_SIZE_HEADING, "10"},        {IDS_POINT_SIZE_TITLE, "14"},
        {IDS_MAIN_TITLE, "Printer Assistant"},
    };
    for (const auto& entry : exact) {
        EXPECT_EQ(loadString(entry.id), entry.text) << "string " << entry.id;
    }
    const UINT present[] = {IDS_TIP_HOME,           IDS_TIP_FEATURES, IDS_TIP_TROUBLESHOOTING,
                            IDS_TIP_INK_TANKS,      IDS_TIP_CONTACT,  IDS_TIP_ADVANCED,
                            IDS_TIP_INK_CARTRIDGES, IDS_NO_PRINTERS};
    for (UINT id : present) {
        EXPECT_FALSE(loadString(id).empty()) << "string " << id;
    }
}

// --- Palette and icon
// -----------------------------------------------------------------------------

TEST_F(ResourceModule, PaletteIsALogicalPaletteOf256ColoursThatCoversTheSkin) {
    const auto [bytes, size] = resourceBytes(IDR_RT_PALETTE, IDR_PALETTE);
    ASSERT_NE(bytes, nullptr);
    ASSERT_GE(size, 4u);
    const auto* header = reinterpret_cast<const LOGPALETTE*>(bytes);
    EXPECT_EQ(header->palVersion, 0x300);
    ASSERT_EQ(header->palNumEntries, 256);
    EXPECT_EQ(size, 4u + 256u * sizeof(PALETTEENTRY));

    UniquePalette palette(CreatePalette(header));
    ASSERT_TRUE(palette);
    // Every skin colour has a palette entry close to it, so a 256-colour display keeps the look.
    std::vector<UINT> pictures = {IDB_MAIN_BACKGROUND, IDB_MAIN_LOGO, IDB_MAIN_BANNER};
    for (UINT id = IDB_NAV_HOME_UP; id <= IDB_NAV_ADVANCED_HOVER; ++id) {
        pictures.push_back(id);
    }
    for (UINT id : pictures) {
        const Picture picture = loadPicture(id);
        ASSERT_FALSE(picture.pixels.empty()) << "picture " << id;
        int worst = 0;
        for (COLORREF colour : picture.pixels) {
            PALETTEENTRY nearest = {};
            GetPaletteEntries(palette.get(), GetNearestPaletteIndex(palette.get(), colour), 1,
                              &nearest);
            worst = std::max({worst, std::abs(nearest.peRed - GetRValue(colour)),
                              std::abs(nearest.peGreen - GetGValue(colour)),
                              std::abs(nearest.peBlue - GetBValue(colour))});
        }
        EXPECT_LE(worst, 12) << "picture " << id;
    }
}

TEST_F(ResourceModule, IconOffersSmallAndLargeImages) {
    const auto [bytes, size] = resourceBytes(RT_GROUP_ICON, IDI_QOR);
    ASSERT_NE(bytes, nullptr);
    ASSERT_GE(size, 6u);
    const WORD count = reinterpret_cast<const WORD*>(bytes)[2];
    ASSERT_EQ(size, 6u + count * 14u);
    std::vector<int> widths;
    for (WORD i = 0; i < count; ++i) {
        widths.push_back(bytes[6 + i * 14]);
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(widths, (std::vector<int>{16, 32}));

    for (int side : {16, 32}) {
        UniqueIcon icon(static_cast<HICON>(
            LoadImageA(module(), MAKEINTRESOURCEA(IDI_QOR), IMAGE_ICON, side, side, 0)));
        EXPECT_TRUE(icon) << side;
    }
}

// --- Skin geometry
// --------------------------------------------------------------------------------

TEST_F(ResourceModule, BackgroundKeyColourIsExactlyTheRoundedPageHole) {
    const Picture background = loadPicture(IDB_MAIN_BACKGROUND);
    ASSERT_EQ(background.width, MAIN_BACKGROUND_WIDTH);
    ASSERT_EQ(background.height, MAIN_BACKGROUND_HEIGHT);

    RECT bounds = {background.width, background.height, 0, 0};
    for (int y = 0; y < background.height; ++y) {
        int runs = 0;
        for (int x = 0; x < background.width; ++x) {
            if (!background.isKey(x, y)) {
                continue;
            }
            if (x == 0 || !background.isKey(x - 1, y)) {
                ++runs;
            }
            bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                      std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
        }
        EXPECT_LE(runs, 1) << "row " << y << " has a key-colour gap";
    }
    EXPECT_TRUE(EqualRect(&bounds, &kHole))
        << "key colour spans " << describe(bounds) << ", the hole is " << describe(kHole);

    // Straight edges are full; the corners are rounded off.
    const int r = MAIN_PAGE_HOLE_RADIUS;
    for (int y = kHole.top; y < kHole.bottom; ++y) {
        for (int x = kHole.left; x < kHole.right; ++x) {
            const bool inCross = (x >= kHole.left + r && x < kHole.right - r) ||
                                 (y >= kHole.top + r && y < kHole.bottom - r);
            if (inCross) {
                ASSERT_TRUE(background.isKey(x, y)) << x << ", " << y;
            }
        }
    }
    EXPECT_FALSE(background.isKey(kHole.left, kHole.top));
    EXPECT_FALSE(background.isKey(kHole.right - 1, kHole.top));
    EXPECT_FALSE(background.isKey(kHole.left, kHole.bottom - 1));
    EXPECT_FALSE(background.isKey(kHole.right - 1, kHole.bottom - 1));
}

TEST_F(ResourceModule, NavigationColumnHoldsButtonsLogoAndBannerWithoutOverlap) {
    const RECT column = {0, 0, MAIN_NAV_COLUMN_WIDTH, MAIN_BACKGROUND_HEIGHT};
    EXPECT_LE(MAIN_NAV_COLUMN_WIDTH, MAIN_PAGE_HOLE_LEFT);
    std::vector<std::pair<std::string, RECT>> parts = {
        {"logo",
         {MAIN_LOGO_LEFT, MAIN_LOGO_TOP, MAIN_LOGO_LEFT + MAIN_LOGO_WIDTH,
          MAIN_LOGO_TOP + MAIN_LOGO_HEIGHT}},
        {"banner",
         {MAIN_BANNER_LEFT, MAIN_BANNER_TOP, MAIN_BANNER_LEFT + MAIN_BANNER_WIDTH,
          MAIN_BANNER_TOP + MAIN_BANNER_HEIGHT}},
    };
    for (int i = 0; i < 6; ++i) {
        parts.push_back({"button " + std::to_string(i), navButtonRect(i)});
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(inside(parts[i].second, column)) << parts[i].first;
        for (size_t j = i + 1; j < parts.size(); ++j) {
            RECT overlap;
            EXPECT_FALSE(IntersectRect(&overlap, &parts[i].second, &parts[j].second))
                << parts[i].first << " overlaps " << parts[j].first;
        }
    }
}

TEST_F(ResourceModule, PicturesHaveTheDocumentedSizesAndTransparentCorners) {
    struct Expected {
        UINT id;
        int width;
        int height;
    };
    std::vector<Expected> pictures = {
        {IDB_MAIN_LOGO, MAIN_LOGO_WIDTH, MAIN_LOGO_HEIGHT},
        {IDB_MAIN_BANNER, MAIN_BANNER_WIDTH, MAIN_BANNER_HEIGHT},
    };
    for (UINT id = IDB_NAV_HOME_UP; id <= IDB_NAV_ADVANCED_HOVER; ++id) {
        pictures.push_back({id, MAIN_NAV_WIDTH, MAIN_NAV_HEIGHT});
    }
    for (const Expected& expected : pictures) {
        const Picture picture = loadPicture(expected.id);
        ASSERT_EQ(picture.width, expected.width) << "picture " << expected.id;
        ASSERT_EQ(picture.height, expected.height) << "picture " << expected.id;
        const int w = picture.width - 1;
        const int h = picture.height - 1;
        EXPECT_TRUE(picture.isKey(0, 0) && picture.isKey(w, 0) && picture.isKey(0, h) &&
                    picture.isKey(w, h))
            << "picture " << expected.id << " has square corners";
        EXPECT_FALSE(picture.isKey(w / 2, h / 2)) << "picture " << expected.id;
    }
}

// The three pictures of a button differ, so that hovering and the current page show.
TEST_F(ResourceModule, EachButtonHasThreeDistinctPictures) {
    for (UINT first = IDB_NAV_HOME_UP; first <= IDB_NAV_ADVANCED_UP; first += 3) {
        const Picture up = loadPicture(first);
        const Picture down = loadPicture(first + 1);
        const Picture hover = loadPicture(first + 2);
        EXPECT_NE(up.pixels, down.pixels) << first;
        EXPECT_NE(up.pixels, hover.pixels) << first;
        EXPECT_NE(down.pixels, hover.pixels) << first;
    }
}

// --- Templates
// ------------------------------------------------------------------------------------

TEST_F(ResourceModule, MainWindowHasSixDrawnNavigationButtonsAndTwoPictures) {
    UniqueWindow main = createDialog(IDD_QOR_MAIN, nullptr);
    ASSERT_TRUE(main);
    const struct {
        int id;
        const char* label;
    } buttons[] = {{IDC_NAV_HOME, "Home"},
                   {IDC_NAV_FEATURES, "Printer Features"},
                   {IDC_NAV_TROUBLESHOOTING, "Troubleshooting"},
                   {IDC_NAV_INK, "Ink"},
                   {IDC_NAV_CONTACT, "Contact"},
                   {IDC_NAV_ADVANCED, "Advanced"}};
    for (const auto& button : buttons) {
        HWND control = GetDlgItem(main.get(), button.id);
        ASSERT_NE(control, nullptr) << button.id;
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << button.id;
        char text[64] = {};
        GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ(text, button.label);
    }
    for (int id : {IDC_MAIN_LOGO, IDC_MAIN_BANNER}) {
        EXPECT_NE(GetDlgItem(main.get(), id), nullptr) << id;
    }
    const LONG style = GetWindowLongA(main.get(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CHILD),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
}

struct PageCase {
    UINT id;
    const char* name;
    std::vector<int> controls;     // ids the page's code binds
    std::vector<int> drawnButtons; // of those, the ones drawn by the code
};

std::vector<PageCase> pageCases() {
    const std::vector<int> closing = {IDC_PAGE_HELP_OR_ORDER, IDC_PAGE_OK, IDC_PAGE_CANCEL_OR_HELP};
    auto with = [](std::vector<int> ids, const std::vector<int>& more) {
        ids.insert(ids.end(), more.begin(), more.end());
        return ids;
    };
    const std::vector<int> fourTanks = {IDC_INK_TANK3, IDC_INK_TANK4, IDC_INK_TANK5, IDC_INK_TANK6};
    return {
        {IDD_PAGE_HOME, "Home",
         with({IDC_PAGE_TITLE,
               IDC_HOME_SUBTITLE_STATUS,
               IDC_HOME_SUBTITLE_CARTRIDGES,
               IDC_HOME_MEDIA_HEADING,
               IDC_HOME_STATUS_TEXT1,
               IDC_HOME_STATUS_TEXT2,
               IDC_HOME_MEDIA_TEXT1,
               IDC_HOME_MEDIA_TEXT2,
               IDC_HOME_CARTRIDGE1_PICTURE,
               IDC_HOME_CARTRIDGE2_PICTURE,
               IDC_HOME_CARTRIDGE1_NAME,
               IDC_HOME_CARTRIDGE2_NAME,
               IDC_HOME_CARTRIDGE1_LABEL,
               IDC_HOME_CARTRIDGE2_LABEL,
               IDC_HOME_CARTRIDGE_NOTE,
               IDC_PAGE_PICTURE1,
               IDC_PAGE_PICTURE2,
               IDC_HOME_PICTURE3,
               IDC_PAGE_WEB_CAPTION,
               IDC_PAGE_WEB_LINK,
               IDC_INK_TANK1,
               IDC_INK_TANK2,
               IDC_HOME_CLOSE},
              with(fourTanks, closing)),
         with({IDC_HOME_CLOSE}, closing)},
        {IDD_PAGE_INK_CARTRIDGE, "Ink Cartridge",
         with({IDC_TAB_PAGE_TITLE, IDC_INK_HEADING_LEVELS, IDC_INK_HEADING_MAINTENANCE,
               IDC_PAGE_WEB_CAPTION, IDC_PAGE_WEB_LINK, IDC_INK_INSTALL_LINK,
               IDC_INK_TEST_PAGE_LINK, IDC_INK_ALIGN_LINK, IDC_INK_CLEAN_LINK,
               IDC_INK_CLEAN_ROLLERS_LINK, IDC_INK_CARTRIDGE_HELP_LINK, IDC_INK_ORDER_LINK,
               IDC_PAGE_PICTURE1, IDC_PAGE_PICTURE2, IDC_INK_PICTURE3, IDC_INK_PICTURE4,
               IDC_PAGE_CLOSE},
              with(fourTanks, closing)),
         with({IDC_PAGE_CLOSE, IDC_INK_INSTALL_LINK, IDC_INK_ALIGN_LINK}, closing)},
        {IDD_PAGE_INK_TANKS,
         "Ink Tanks",
         with({IDC_TAB_PAGE_TITLE, IDC_PAGE_WEB_CAPTION, IDC_TANKS_SOFTWARE_LINK,
               IDC_INK_INSTALL_LINK, IDC_INK_TEST_PAGE_LINK, IDC_INK_ALIGN_LINK, IDC_INK_CLEAN_LINK,
               IDC_TANKS_SHEET2_LINK, IDC_TANKS_HELP_LINK, IDC_INK_ORDER_LINK, IDC_PAGE_PICTURE1,
               IDC_TANKS_PICTURE2, IDC_TANKS_PICTURE3, IDC_TANKS_PICTURE4, IDC_INK_PICTURE3,
               IDC_INK_PICTURE4, IDC_TANKS_PICTURE7},
              fourTanks),
         {IDC_INK_INSTALL_LINK, IDC_TANKS_SHEET2_LINK, IDC_TANKS_SOFTWARE_LINK}},
        {IDD_PAGE_FEATURES, "Printer Features",
         with({IDC_TAB_PAGE_TITLE, IDC_FEATURES_HEADING1, IDC_FEATURES_HEADING2,
               IDC_FEATURES_HEADING3, IDC_FEATURES_LIST1, IDC_FEATURES_LIST2, IDC_FEATURES_LIST3,
               IDC_FEATURES_SHOW1, IDC_FEATURES_SHOW2, IDC_FEATURES_SHOW3, IDC_FEATURES_MANUAL_LINK,
               IDC_PAGE_WEB_CAPTION, IDC_PAGE_WEB_LINK, IDC_HOME_CLOSE},
              with(fourTanks, closing)),
         with({IDC_HOME_CLOSE, IDC_FEATURES_SHOW1, IDC_FEATURES_SHOW3}, closing)},
        {IDD_PAGE_TROUBLESHOOTING, "Troubleshooting",
         with({IDC_TAB_PAGE_TITLE, IDC_TROUBLE_STATE_TEXT, IDC_TROUBLE_SOLUTION1,
               IDC_TROUBLE_SOLUTION2, IDC_TROUBLE_SOLUTION3, IDC_TROUBLE_HELP1, IDC_TROUBLE_HELP2,
               IDC_TROUBLE_HELP3, IDC_TROUBLE_HELP4, IDC_TROUBLE_MANUAL, IDC_TROUBLE_NETWORK_CONFIG,
               IDC_PAGE_WEB_CAPTION, IDC_PAGE_WEB_LINK, IDC_PAGE_CLOSE},
              closing),
         with({IDC_PAGE_CLOSE, IDC_TROUBLE_SOLUTION1, IDC_TROUBLE_SOLUTION3}, closing)},
        {IDD_PAGE_CONTACT,
         "Contact",
         with({IDC_TAB_PAGE_TITLE, IDC_CONTACT_PHONE_LABEL, IDC_CONTACT_PHONE_TEXT,
               IDC_CONTACT_HOME_LINK, IDC_CONTACT_SUPPORT_LINK, IDC_CONTACT_TECH_LINK,
               IDC_CONTACT_REGISTRATION_LINK, IDC_CONTACT_SOFTWARE_LINK, IDC_CONTACT_OFFER_LINK,
               IDC_CONTACT_SUPPLIES_LINK, IDC_CONTACT_MORE_LABEL, IDC_CONTACT_MORE_LINK,
               IDC_CONTACT_NUMBERS_LABEL, IDC_CONTACT_NUMBERS_LINK, IDC_CONTACT_ORDER_LABEL,
               IDC_CONTACT_ORDER_BUTTON},
              fourTanks),
         {IDC_CONTACT_HOME_LINK, IDC_CONTACT_NUMBERS_LINK}},
        {IDD_PAGE_ADVANCED,
         "Advanced",
         with({IDC_TAB_PAGE_TITLE, IDC_ADVANCED_BIDI_OFF, IDC_ADVANCED_DOS_LABEL,
               IDC_ADVANCED_DOS_BUTTON, IDC_ADVANCED_JSW_BUTTON, IDC_ADVANCED_P2P_LABEL,
               IDC_ADVANCED_P2P_BUTTON, IDC_ADVANCED_P2P_NOTE, IDC_ADVANCED_UPDATE_LABEL,
               IDC_ADVANCED_UPDATE_BUTTON, IDC_ADVANCED_VERSION_BUTTON,
               IDC_ADVANCED_SOFTWARE_CAPTION, IDC_ADVANCED_SOFTWARE_LINK},
              fourTanks),
         {IDC_ADVANCED_DOS_BUTTON, IDC_ADVANCED_SOFTWARE_LINK}},
    };
}

class PageTemplate : public ResourceModule, public ::testing::WithParamInterface<PageCase> {};

// Each page is created as the main window creates it, a child of the main window, and must fit
// the page hole with every control on the page.
TEST_P(PageTemplate, FitsThePageHoleAndCarriesTheControlsItsCodeBinds) {
    const PageCase& page = GetParam();
    UniqueWindow main = createDialog(IDD_QOR_MAIN, nullptr);
    ASSERT_TRUE(main);
    UniqueWindow child = createDialog(page.id, main.get());
    ASSERT_TRUE(child) << page.name;
    EXPECT_EQ(GetWindowLongA(child.get(), GWL_STYLE) & (WS_CHILD | WS_CAPTION | WS_VISIBLE),
              WS_CHILD);

    RECT window;
    GetWindowRect(child.get(), &window);
    EXPECT_LE(window.right - window.left, kHole.right - kHole.left) << page.name;
    EXPECT_LE(window.bottom - window.top, kHole.bottom - kHole.top) << page.name;

    for (int id : page.controls) {
        EXPECT_NE(GetDlgItem(child.get(), id), nullptr) << page.name << " lacks " << id;
    }
    for (int id : page.drawnButtons) {
        HWND control = GetDlgItem(child.get(), id);
        ASSERT_NE(control, nullptr) << page.name << " lacks " << id;
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW)
            << page.name << " " << id;
    }

    RECT client;
    GetClientRect(child.get(), &client);
    std::vector<int> ids;
    for (HWND control = GetWindow(child.get(), GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, child.get(), reinterpret_cast<POINT*>(&r), 2);
        const int id = GetDlgCtrlID(control);
        EXPECT_TRUE(inside(r, client)) << page.name << " control " << id << " at " << describe(r)
                                       << " leaves the page " << describe(client);
        ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end())
        << page.name << " uses a control id twice";
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTemplate, ::testing::ValuesIn(pageCases()),
                         [](const ::testing::TestParamInfo<PageCase>& info) {
                             std::string name = info.param.name;
                             name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
                             return name;
                         });

} // namespace

// --- The keyboard: no two controls of one window answer the same mnemonic
// -------------------------------------------------------------------------

namespace {
// The mnemonic of a control's text: the letter after a single '&', upper-cased; 0 for none.
char mnemonicOf(const std::string& text) {
    for (size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != '&')
            continue;
        if (text[at + 1] == '&') {
            ++at;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
    }
    return 0;
}

BOOL CALLBACK collectDialogIds(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<UINT>*>(found)->push_back(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}
} // namespace

TEST_F(ResourceModule, NoTwoControlsOfAWindowShareAMnemonic) {
    std::vector<UINT> dialogs;
    ASSERT_TRUE(EnumResourceNamesA(module(), RT_DIALOG, collectDialogIds,
                                   reinterpret_cast<LONG_PTR>(&dialogs)));
    ASSERT_FALSE(dialogs.empty());
    UniqueWindow owner(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                       nullptr, nullptr));
    // The walk reads the controls' texts: windows with keys to press are found.
    size_t windowsWithMnemonics = 0;
    for (UINT id : dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        UniqueWindow dialog = createDialog(id, owner.get());
        ASSERT_NE(dialog, nullptr);
        std::vector<std::pair<char, std::string>> seen;
        for (HWND child = GetWindow(dialog.get(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            char text[256] = {};
            GetWindowTextA(child, text, sizeof text);
            char className[32] = {};
            GetClassNameA(child, className, sizeof className);
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            if (std::string(className) == "Static" && (style & SS_NOPREFIX))
                continue;
            const char letter = mnemonicOf(text);
            if (!letter)
                continue;
            for (const auto& [other, otherText] : seen)
                EXPECT_NE(other, letter) << "\"" << otherText << "\" and \"" << text << "\"";
            seen.emplace_back(letter, text);
        }
        windowsWithMnemonics += !seen.empty();
    }
    EXPECT_GT(windowsWithMnemonics, dialogs.size() / 2);
}

// Every control that acts can be reached by keys: it is a Tab stop, or the arrow keys reach it
// in a group (the controls from one that starts a group to the next) that has a Tab stop.
TEST_F(ResourceModule, EveryControlThatActsIsReachedByTabOrArrows) {
    std::vector<UINT> dialogs;
    ASSERT_TRUE(EnumResourceNamesA(module(), RT_DIALOG, collectDialogIds,
                                   reinterpret_cast<LONG_PTR>(&dialogs)));
    UniqueWindow owner(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                       nullptr, nullptr));
    const auto acts = [](HWND control) {
        char className[32] = {};
        GetClassNameA(control, className, sizeof className);
        const std::string kind = className;
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        if (kind == "Button")
            return (style & BS_TYPEMASK) != BS_GROUPBOX;
        return kind == "Edit" || kind == "ComboBox" || kind == "ListBox" ||
               kind == "SysListView32" || kind == "SysTreeView32" || kind == "msctls_trackbar32";
    };
    for (UINT id : dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        UniqueWindow dialog = createDialog(id, owner.get());
        ASSERT_NE(dialog, nullptr);
        // The groups in Tab order, each with its controls that act and whether one is a stop.
        struct Group {
            std::vector<int> acting;
            bool hasStop = false;
        };
        std::vector<Group> groups(1);
        for (HWND child = GetWindow(dialog.get(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            if ((style & WS_GROUP) && !groups.back().acting.empty())
                groups.emplace_back();
            if (!acts(child))
                continue;
            groups.back().acting.push_back(GetDlgCtrlID(child));
            groups.back().hasStop |= (style & WS_TABSTOP) != 0;
        }
        for (const Group& group : groups)
            for (int control : group.acting)
                EXPECT_TRUE(group.hasStop) << "control " << control << " is reached by no key";
    }
}
