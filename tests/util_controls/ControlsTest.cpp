#include "ControlTestSupport.h"
#include "GuiButton.h"
#include "GuiFont.h"
#include "InkDisplay.h"
#include "InkTank.h"
#include "Links.h"
#include "MemDC.h"
#include "Palette256.h"
#include "QorButton.h"
#include "TransStatic.h"

#include <Handles.h>
#include <Module.h>
#include <SharedBitmap.h>

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <vector>

using namespace controls_test;

namespace {
constexpr COLORREF kRed = RGB(0xD0, 0x10, 0x10);
constexpr COLORREF kBlue = RGB(0x10, 0x10, 0xD0);
constexpr COLORREF kYellow = RGB(0xE0, 0xE0, 0x10);

// The colour most of the pixels around a point have: an ink under its pattern's lines.
COLORREF MostAround(const CCanvas& canvas, int x, int y) {
    std::map<COLORREF, int> seen;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            ++seen[canvas.Pixel(x + dx, y + dy)];
    return std::max_element(seen.begin(), seen.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// Where, within the repeat of a pattern (8 pixels each way), an area shows something other than
// its main colour.
std::set<std::pair<int, int>> PatternOf(const CCanvas& canvas, const RECT& area) {
    const COLORREF main =
        MostAround(canvas, (area.left + area.right) / 2, (area.top + area.bottom) / 2);
    std::set<std::pair<int, int>> marks;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.Pixel(x, y) != main)
                marks.emplace(x % 8, y % 8);
    return marks;
}

class ControlsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Open()); }
    RECT ClientRect() const { return dialog.GetClientRect(); }
    RECT ControlRect(UINT id) const {
        CWindow control = dialog.GetDlgItem(static_cast<int>(id));
        RECT rect = control.GetWindowRect();
        dialog.ScreenToClient(&rect);
        return rect;
    }

    CControlsDialog dialog;
};
} // namespace

TEST_F(ControlsTest, BitmapButtonClicksOnSpaceAndStaysOwnerDrawn) {
    CGUIButton button;
    ASSERT_TRUE(
        button.Init(kButtonId, &dialog, MakeBitmap(40, 20, kBlue), MakeBitmap(40, 20, kRed)));
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(button.GetText(), "OK");

    button.SetFocus();
    button.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(button.GetState().pressed);
    button.SendMessage(WM_KEYUP, VK_SPACE, 0xC0000001);
    DispatchWaitingMessages();
    EXPECT_FALSE(button.GetState().pressed);
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<UINT, UINT>>{{kButtonId, BN_CLICKED}}));

    // A dialog moving its default button does not turn the drawn button into a push button.
    button.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);

    button.EnableWindow(FALSE);
    EXPECT_TRUE(button.GetState().disabled);
}

TEST_F(ControlsTest, BitmapButtonDrawsItsStatePicturesOverThePage) {
    CGUIButton button;
    // Pictures with a key-coloured left quarter: the page must show there.
    ASSERT_TRUE(button.Init(kButtonId, &dialog, MakeBitmap(40, 20, kBlue, 10),
                            MakeBitmap(40, 20, kRed, 10)));
    button.SetText("");
    button.SetOverlap(TRUE);
    RECT rect = ControlRect(kButtonId);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    POINT keyPart{rect.left + width / 8, rect.top + height / 2};
    POINT picturePart{rect.left + width * 3 / 4, rect.top + height / 2};

    CCanvas normal(ClientRect().right, ClientRect().bottom);
    button.Draw(normal.Get());
    EXPECT_EQ(normal.Pixel(keyPart.x, keyPart.y), kBackground);
    EXPECT_EQ(normal.Pixel(picturePart.x, picturePart.y), kBlue);

    button.SendMessage(BM_SETSTATE, TRUE);
    CCanvas pressed(ClientRect().right, ClientRect().bottom);
    button.Draw(pressed.Get());
    EXPECT_EQ(pressed.Pixel(picturePart.x, picturePart.y), kRed);
    EXPECT_EQ(pressed.Pixel(keyPart.x, keyPart.y), kBackground);
}

TEST_F(ControlsTest, BitmapButtonWithMissingPicturesStillWorks) {
    CGUIButton button;
    EXPECT_FALSE(button.Init(kButtonId, &dialog, 60001u, 60002u));
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    CCanvas canvas(ClientRect().right, ClientRect().bottom);
    button.Draw(canvas.Get());
    button.SendMessage(BM_CLICK);
    DispatchWaitingMessages();
    EXPECT_EQ(dialog.commands.size(), 1u);

    CGUIButton unbound;
    EXPECT_FALSE(
        unbound.Init(kMissingId, &dialog, MakeBitmap(4, 4, kBlue), MakeBitmap(4, 4, kRed)));
    EXPECT_FALSE(unbound.Init(kButtonId, nullptr, 1u, 2u));
    unbound.Draw(canvas.Get());
}

TEST_F(ControlsTest, NavigationButtonLowersAndShowsItsLabelBesideIt) {
    CQORButton nav;
    ASSERT_TRUE(nav.Init(kNavId, &dialog, MakeBitmap(40, 20, kBlue), MakeBitmap(40, 20, kRed),
                         MakeBitmap(40, 20, kYellow)));
    nav.SetText("");
    nav.SetOverlap(TRUE);
    RECT rect = ControlRect(kNavId);
    POINT inside{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};

    EXPECT_FALSE(nav.IsLowered());
    nav.Lower();
    EXPECT_TRUE(nav.IsLowered());
    CCanvas lowered(ClientRect().right, ClientRect().bottom);
    nav.Draw(lowered.Get());
    EXPECT_EQ(lowered.Pixel(inside.x, inside.y), kRed);
    nav.Raise();
    EXPECT_FALSE(nav.IsLowered());
    CCanvas raised(ClientRect().right, ClientRect().bottom);
    nav.Draw(raised.Get());
    EXPECT_EQ(raised.Pixel(inside.x, inside.y), kBlue);

    // The label: absent until set, then shown at the button's corner plus the offset.
    nav.ShowToolTip(TRUE);
    EXPECT_FALSE(nav.IsToolTipShown());
    nav.SetToolTip("Home page", 120, 5);
    EXPECT_EQ(nav.GetToolTipWindow(), nullptr); // made when first shown
    EXPECT_FALSE(nav.IsToolTipShown());

    nav.ShowToolTip(TRUE);
    DispatchWaitingMessages();
    EXPECT_TRUE(nav.IsToolTipShown());
    ASSERT_NE(nav.GetToolTipWindow(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(nav.GetToolTipWindow()));
    // The label is a child of the dialog, above the button, its corner at the position.
    HWND tip = nav.GetToolTipWindow();
    EXPECT_EQ(::GetParent(tip), dialog.m_hWnd);
    EXPECT_EQ(::GetWindow(tip, GW_HWNDFIRST), tip);
    auto tipOrigin = [&] {
        RECT rect{};
        ::GetWindowRect(tip, &rect);
        return POINT{rect.left, rect.top};
    };
    RECT button = nav.GetWindowRect();
    EXPECT_EQ(tipOrigin().x, button.left + 120);
    EXPECT_EQ(tipOrigin().y, button.top + 5);
    char text[64] = "";
    ::GetWindowTextA(tip, text, sizeof(text));
    EXPECT_STREQ(text, "Home page");
    // It is sized to its text and shows it over the tool tip colour, inside a frame.
    RECT client{};
    ::GetClientRect(tip, &client);
    EXPECT_GT(client.right, 30);
    EXPECT_GT(client.bottom, 8);
    EXPECT_EQ(ScreenPixel(tip, 0, 0), ::GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(ScreenPixel(tip, 2, 2), ::GetSysColor(COLOR_INFOBK));
    // A click on the label reaches the button under it.
    EXPECT_EQ(
        ::SendMessageA(tip, WM_NCHITTEST, 0, MAKELPARAM(tipOrigin().x + 1, tipOrigin().y + 1)),
        HTTRANSPARENT);

    // The window moves: the label follows with the new offset.
    dialog.SetWindowPos(nullptr, 90, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    nav.RepositionToolTip(95, 10);
    DispatchWaitingMessages();
    button = nav.GetWindowRect();
    EXPECT_EQ(tipOrigin().x, button.left + 95);
    EXPECT_EQ(tipOrigin().y, button.top + 10);
    // A longer text widens the shown label.
    RECT before{};
    ::GetWindowRect(tip, &before);
    nav.SetToolTip("Home page and more", 95, 10);
    RECT after{};
    ::GetWindowRect(tip, &after);
    ::GetWindowTextA(tip, text, sizeof(text));
    EXPECT_STREQ(text, "Home page and more");
    EXPECT_GT(after.right - after.left, before.right - before.left);

    nav.ShowToolTip(FALSE);
    DispatchWaitingMessages();
    EXPECT_FALSE(nav.IsToolTipShown());
    EXPECT_FALSE(::IsWindowVisible(nav.GetToolTipWindow()));
}

TEST_F(ControlsTest, OwnButtonClicksAndDraws) {
    COwnButton own;
    ASSERT_TRUE(own.Init(kOwnButtonId, &dialog));
    own.SetColors(kYellow, kRed, kBlue);
    CCanvas canvas(ClientRect().right, ClientRect().bottom);
    own.Draw(canvas.Get());
    RECT rect = ControlRect(kOwnButtonId);
    EXPECT_EQ(canvas.Pixel(rect.left, rect.top), kRed);
    EXPECT_EQ(canvas.Pixel(rect.left + 2, rect.top + 2), kYellow);
    own.SendMessage(BM_CLICK);
    DispatchWaitingMessages();
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<UINT, UINT>>{{kOwnButtonId, BN_CLICKED}}));
}

TEST_F(ControlsTest, TransparentPictureKeepsThePageUnderKeyPixels) {
    CTransStaticBmp picture;
    // 20 x 20: the left 8 columns are the key colour.
    ASSERT_TRUE(picture.Init(kPictureId, &dialog, MakeBitmap(20, 20, kRed, 8)));
    RECT rect = ControlRect(kPictureId);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    ASSERT_GT(width, 40);
    ASSERT_GT(height, 40);

    struct Case {
        int style;
        POINT key, shown, outside;
    };
    const Case cases[] = {
        {BITMAP_TOPLEFT,
         {rect.left + 3, rect.top + 3},
         {rect.left + 15, rect.top + 15},
         {rect.left + 30, rect.top + 30}},
        {BITMAP_CENTERED,
         {rect.left + (width - 20) / 2 + 3, rect.top + height / 2},
         {rect.left + (width - 20) / 2 + 15, rect.top + height / 2},
         {rect.left + 3, rect.top + 3}},
        {BITMAP_STRETCHED,
         {rect.left + width / 5, rect.top + height / 2},
         {rect.left + width * 3 / 4, rect.top + height - 2},
         {rect.left, rect.bottom + 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        picture.SetBitmap(MakeBitmap(20, 20, kRed, 8), kKey, c.style);
        EXPECT_EQ(picture.GetBitmapStyle(), c.style);
        CCanvas canvas(ClientRect().right, ClientRect().bottom);
        picture.Draw(canvas.Get());
        EXPECT_EQ(canvas.Pixel(c.key.x, c.key.y), kBackground);
        EXPECT_EQ(canvas.Pixel(c.shown.x, c.shown.y), kRed);
        EXPECT_EQ(canvas.Pixel(c.outside.x, c.outside.y), kBackground);
    }

    // An unknown style draws at the top-left; a missing resource draws nothing.
    picture.SetBitmap(MakeBitmap(20, 20, kRed, 8), kKey, 7);
    EXPECT_EQ(picture.GetBitmapStyle(), BITMAP_TOPLEFT);
    EXPECT_FALSE(picture.SetBitmap(60003u));
    EXPECT_EQ(picture.GetBitmap(), nullptr);
    CCanvas empty(ClientRect().right, ClientRect().bottom);
    picture.Draw(empty.Get());
    EXPECT_EQ(empty.Pixel(rect.left + 15, rect.top + 15), kBackground);
}

TEST_F(ControlsTest, APictureTwoControlsShareOutlivesTheFirstControl) {
    CModule resources(::LoadLibraryA("vqtrqorr.dll"));
    ASSERT_TRUE(resources.IsValid());
    CModuleState state;
    state.hResource = resources;
    CModuleStateScope scope(&state);
    constexpr UINT kPagePicture = 6338; // the printer of the Home page
    size_t loadedBefore = CSharedBitmap::LoadedCount();

    auto first = std::make_unique<CTransStaticBmp>();
    CTransStaticBmp second;
    ASSERT_TRUE(first->Init(kTankId, &dialog, kPagePicture));
    ASSERT_TRUE(second.Init(kPictureId, &dialog, kPagePicture));
    EXPECT_EQ(first->GetBitmap(), second.GetBitmap());
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore + 1);
    CCanvas before(ClientRect().right, ClientRect().bottom);
    second.Draw(before.Get());

    first->DestroyWindow();
    first.reset();
    ASSERT_EQ(::GetObjectType(second.GetBitmap()), static_cast<DWORD>(OBJ_BITMAP));
    CCanvas after(ClientRect().right, ClientRect().bottom);
    second.Draw(after.Get());
    RECT rect = ControlRect(kPictureId);
    int differing = 0;
    int pictured = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            differing += before.Pixel(x, y) != after.Pixel(x, y);
            pictured += after.Pixel(x, y) != kBackground;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(pictured, 0);

    second.SetBitmap(static_cast<HBITMAP>(nullptr));
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore);
}

TEST_F(ControlsTest, TransparentPicturePaintsItselfOverTheParentsBackground) {
    CTransStaticBmp picture;
    ASSERT_TRUE(picture.Init(kPictureId, &dialog, MakeBitmap(20, 20, kRed, 8), kKey, 0));
    picture.RedrawWindow();
    RECT rect = ControlRect(kPictureId);
    EXPECT_EQ(ScreenPixel(dialog, rect.left + 3, rect.top + 3), kBackground);
    EXPECT_EQ(ScreenPixel(dialog, rect.left + 15, rect.top + 15), kRed);
    EXPECT_EQ(ScreenPixel(dialog, rect.left + 30, rect.top + 30), kBackground);
}

TEST_F(ControlsTest, TextStaticKeepsTextFontColourAndAlignment) {
    transbkstatic text;
    ASSERT_TRUE(text.Init(kTextId, &dialog));
    EXPECT_EQ(text.GetText(), "Title");
    text.SetText("Printer ready");
    EXPECT_EQ(dialog.GetDlgItemText(kTextId), "Printer ready");
    dialog.SetDlgItemText(kTextId, "Set by the page");
    EXPECT_EQ(text.GetText(), "Set by the page");
    EXPECT_FALSE(text.SetTextId(60004));
    EXPECT_EQ(text.GetText(), "Set by the page");

    for (auto [given, kept] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}}) {
        text.SetAlignment(given);
        EXPECT_EQ(text.GetAlignment(), kept) << given;
    }

    LOGFONTA plain{};
    CFontHandle(text.GetDrawFont()).GetLogFont(plain);
    text.SetBold(TRUE);
    LOGFONTA bold{};
    CFontHandle(text.GetDrawFont()).GetLogFont(bold);
    EXPECT_GE(bold.lfWeight, FW_BOLD);
    EXPECT_EQ(bold.lfHeight, plain.lfHeight);
    text.SetPointSize(240);
    LOGFONTA large{};
    CFontHandle(text.GetDrawFont()).GetLogFont(large);
    EXPECT_LT(large.lfHeight, plain.lfHeight); // negative heights: larger is lower
    EXPECT_GE(large.lfWeight, FW_BOLD);

    // The text is drawn in its colour over the page.
    text.SetText("WWWWWWWWWW");
    text.SetTextColor(kRed);
    CCanvas canvas(ClientRect().right, ClientRect().bottom);
    text.Draw(canvas.Get());
    RECT rect = ControlRect(kTextId);
    int red = 0;
    for (int x = rect.left; x < rect.right; ++x) {
        for (int y = rect.top; y < rect.bottom; ++y)
            red += canvas.Pixel(x, y) == kRed;
    }
    EXPECT_GT(red, 20);
    EXPECT_EQ(canvas.Pixel(rect.right - 1, rect.bottom - 1), kBackground);
}

TEST_F(ControlsTest, ReadOnlyTextHasThePagesColours) {
    TransStaticEdit edit;
    ASSERT_TRUE(edit.Init(kEditId, &dialog));
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    EXPECT_FALSE(edit.GetStyle() & WS_BORDER);
    edit.SetBkColor(kYellow);
    edit.SetText("Some help text");
    EXPECT_EQ(dialog.GetDlgItemText(kEditId), "Some help text");
    HDC dc = ::GetDC(edit);
    auto brush =
        reinterpret_cast<HBRUSH>(dialog.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(edit.GetSafeHwnd())));
    EXPECT_EQ(::GetBkColor(dc), kYellow);
    ::ReleaseDC(edit, dc);
    LOGBRUSH info{};
    ASSERT_TRUE(::GetObjectA(brush, sizeof(info), &info));
    EXPECT_EQ(info.lbColor, kYellow);
}

TEST_F(ControlsTest, LinkPostsItsCommandUnlessDisabled) {
    CGUIWizardLink link;
    ASSERT_TRUE(link.Init(kLinkId, &dialog));
    RECT client = link.GetClientRect();
    LPARAM inside = MAKELPARAM(2, 2);
    EXPECT_EQ(link.SendMessage(WM_NCHITTEST, 0, 0), HTCLIENT);

    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    link.SendMessage(WM_LBUTTONUP, 0, inside);
    DispatchWaitingMessages();
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<UINT, UINT>>{{kLinkId, BN_CLICKED}}));

    // Released outside: no click.
    dialog.commands.clear();
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.right + 5, 2));
    link.SendMessage(WM_KEYDOWN, VK_F1, 0);
    DispatchWaitingMessages();
    EXPECT_TRUE(dialog.commands.empty());

    link.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    DispatchWaitingMessages();
    EXPECT_EQ(dialog.commands.size(), 1u);

    dialog.commands.clear();
    link.SetDisabledStyle(TRUE);
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    link.SendMessage(WM_LBUTTONUP, 0, inside);
    link.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(link.Click());
    DispatchWaitingMessages();
    EXPECT_TRUE(dialog.commands.empty());
    link.SetDisabledStyle(FALSE);
    EXPECT_TRUE(link.Click());
    DispatchWaitingMessages();
    EXPECT_EQ(dialog.commands.size(), 1u);
}

TEST_F(ControlsTest, LinkShowsItsPictureForEachState) {
    CGUILink link;
    ASSERT_TRUE(link.Init(kLinkId, &dialog));
    link.SetText("");
    ASSERT_TRUE(
        link.SetBitmaps(MakeBitmap(10, 10, kBlue), MakeBitmap(10, 10, kYellow), nullptr, kKey));
    RECT rect = ControlRect(kLinkId);
    auto shown = [&] {
        CCanvas canvas(ClientRect().right, ClientRect().bottom);
        link.Draw(canvas.Get());
        return canvas.Pixel(rect.left + 5, rect.top + 5);
    };
    EXPECT_EQ(shown(), kBlue);
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(link.IsHovering());
    EXPECT_EQ(shown(), kYellow);
    link.ResetHover();
    EXPECT_FALSE(link.IsHovering());
    EXPECT_EQ(shown(), kBlue);
    // Pressed without its own picture shows the hover one.
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(shown(), kYellow);
    ::ReleaseCapture();
    EXPECT_EQ(shown(), kBlue);
    EXPECT_FALSE(link.SetDisabledBitmap(60005, kKey, RGB(128, 128, 128)));
    link.SetDisabledStyle(TRUE);
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(link.IsHovering());
    EXPECT_EQ(shown(), kBlue);
}

TEST(UrlLink, OpensTheAddressBuiltFromTheOption) {
    ScopedOptionsFile options(
        {"IDO_HOMEPAGE_SUBURL=printers/q710/index.html", "IDO_SUPPLIES_SUBURL=/supplies/order.html",
         "IDO_ABSOLUTE_SUBURL=https://other.example/page?x=1", "IDO_EMPTY_SUBURL=   "});
    ScopedEnvironment locale("VQTR_LOCALE", "00000407");
    CUiRecorder recorder;
    INKINFO dual{};
    dual.dwCarrierType = QOR_CARRIER_DUAL;
    dual.LogCartID1 = 80;
    dual.LogCartID2 = 48;
    dual.PhyCartID2 = 112;
    INKINFO single = dual;
    single.dwCarrierType = QOR_CARRIER_SINGLE;

    struct Case {
        const char* key;
        INKINFO* ink;
        BOOL locale;
        const char* address; // null: nothing opens
    };
    const Case cases[] = {
        {"IDO_HOMEPAGE_SUBURL", nullptr, FALSE,
         "https://www.corvane.example/printers/q710/index.html"},
        {"IDO_HOMEPAGE_SUBURL", nullptr, TRUE,
         "https://www.corvane.example/printers/q710/index.html?lc=00000407"},
        {"IDO_SUPPLIES_SUBURL", &dual, FALSE,
         "https://www.corvane.example/supplies/order.html?carrier=2&cart1=80&cart2=48"},
        {"IDO_SUPPLIES_SUBURL", &single, TRUE,
         "https://www.corvane.example/supplies/order.html?carrier=3&cart1=80&lc=00000407"},
        {"IDO_ABSOLUTE_SUBURL", &dual, FALSE,
         "https://other.example/page?x=1&carrier=2&cart1=80&cart2=48"},
        {"IDO_EMPTY_SUBURL", nullptr, TRUE, nullptr},
        {"IDO_NOT_THERE_SUBURL", &dual, TRUE, nullptr},
        {nullptr, nullptr, TRUE, nullptr},
    };
    CGUIUrlLink link; // not bound to any control: it opens without an owner
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key ? c.key : "(null)");
        CUiRecorder::Calls().clear();
        EXPECT_EQ(link.FollowLink(c.key, c.ink, c.locale), c.address != nullptr);
        if (!c.address) {
            EXPECT_TRUE(CUiRecorder::Calls().empty());
            continue;
        }
        ASSERT_EQ(CUiRecorder::Calls().size(), 1u);
        EXPECT_EQ(CUiRecorder::Calls()[0].kind, VQTR_UI_SHELL_OPEN);
        EXPECT_EQ(CUiRecorder::Calls()[0].text, c.address);
        EXPECT_EQ(CUiRecorder::Calls()[0].number, unsigned(SW_SHOWNORMAL));
    }
}

TEST(UrlLink, WebBaseComesFromItsOptionAndReorderUsesTheSuppliesPage) {
    ScopedOptionsFile options({"IDO_WEB_BASE_URL=http://intranet.example/printers//",
                               "IDO_SUPPLIES_SUBURL=supplies.html"});
    CUiRecorder recorder;
    CGUIUrlLink link;
    EXPECT_TRUE(link.FollowLink("IDO_SUPPLIES_SUBURL", FALSE));
    INKINFO ink{};
    ink.dwCarrierType = QOR_CARRIER_DUAL;
    ink.LogCartID1 = 128;
    ink.LogCartID2 = 127;
    CGUIInkDisplay display(&ink);
    EXPECT_TRUE(display.LaunchReorderInkApp(FALSE));
    CGUIInkDisplay none;
    EXPECT_TRUE(none.LaunchReorderInkApp(FALSE));
    EXPECT_TRUE(CGUIUrlLink::GotoURL("https://support.example/", SW_SHOWMAXIMIZED));
    EXPECT_FALSE(CGUIUrlLink::GotoURL(nullptr));
    CGUILink::FollowFileLink("C:\\folder\\vqtrsply.htm");
    CGUILink::FollowFileLink("");

    ASSERT_EQ(CUiRecorder::Calls().size(), 5u);
    EXPECT_EQ(CUiRecorder::Calls()[0].text, "http://intranet.example/printers/supplies.html");
    EXPECT_EQ(CUiRecorder::Calls()[1].text,
              "http://intranet.example/printers/supplies.html?carrier=2&cart1=128&cart2=127");
    EXPECT_EQ(CUiRecorder::Calls()[2].text, "http://intranet.example/printers/supplies.html");
    EXPECT_EQ(CUiRecorder::Calls()[3].text, "https://support.example/");
    EXPECT_EQ(CUiRecorder::Calls()[3].number, unsigned(SW_SHOWMAXIMIZED));
    EXPECT_EQ(CUiRecorder::Calls()[4].text, "C:\\folder\\vqtrsply.htm");
    EXPECT_EQ(CUiRecorder::Calls()[4].caption, "open");
}

TEST(HelpLink, OpensTheTopicThroughTheHelpOperation) {
    CUiRecorder recorder;
    CGUIHelpLink link;
    link.ShowHelp("C:\\windows\\system32\\spool\\drivers\\x64\\3\\vqtrqor.chm", 219);
    ASSERT_EQ(CUiRecorder::Calls().size(), 1u);
    EXPECT_EQ(CUiRecorder::Calls()[0].kind, VQTR_UI_HELP);
    EXPECT_EQ(CUiRecorder::Calls()[0].number, 219u);
    EXPECT_EQ(CUiRecorder::Calls()[0].command, static_cast<unsigned>(HH_HELP_CONTEXT));
}

TEST_F(ControlsTest, InkTanksDrawTheirLevelsWhereThePageAsks) {
    CGUIInkTank left;
    CGUIInkTank right;
    ASSERT_TRUE(left.Attach(kTankId, &dialog));
    ASSERT_TRUE(right.Attach(kTank2Id, &dialog));
    EXPECT_FALSE(CGUIInkTank().Attach(kMissingId, &dialog));
    INKINFO ink{};
    ink.dwCarrierType = QOR_CARRIER_DUAL;
    ink.LogCartID1 = 80;
    ink.LogCartID2 = 48;
    ink.nBlackLevel = 0;
    ink.nColorLevel1 = ink.nColorLevel2 = ink.nColorLevel3 = QOR_NEW_CARTRIDGE_MARKER;
    CGUIInkDisplay display(&ink);
    ASSERT_TRUE(display.InitializeInkTanks({&left, &right}, 1));

    CCanvas canvas(ClientRect().right, ClientRect().bottom);
    display.DrawTanks(canvas.Get());
    RECT leftRect = ControlRect(kTankId);
    RECT rightRect = ControlRect(kTank2Id);
    RECT body{};
    RECT caption{};
    CGUIInkTank::Layout(leftRect, true, body, caption);
    int middle = (body.top + body.bottom) / 2;
    int width = body.right - body.left;
    // A full colour cartridge: cyan, magenta, yellow stripes; an empty black one: no black.
    EXPECT_EQ(MostAround(canvas, body.left + width / 6, middle), RGB(0x00, 0xAE, 0xEF));
    EXPECT_EQ(MostAround(canvas, body.left + width / 2, middle), RGB(0xEC, 0x00, 0x8C));
    EXPECT_EQ(MostAround(canvas, body.right - width / 6, middle), RGB(0xFF, 0xE0, 0x00));
    CGUIInkTank::Layout(rightRect, true, body, caption);
    EXPECT_EQ(canvas.Pixel((body.left + body.right) / 2, body.bottom - 5), RGB(0xF4, 0xF4, 0xF4));
    EXPECT_EQ(canvas.Pixel(leftRect.left, leftRect.top), kBackground);

    // New levels redraw: half-full black.
    INKINFO update = ink;
    update.nBlackLevel = 50;
    display.UpdateInkLevels(&update);
    EXPECT_EQ(right.GetLevel(), 50);
    CCanvas after(ClientRect().right, ClientRect().bottom);
    display.DrawTanks(after.Get());
    EXPECT_EQ(after.Pixel((body.left + body.right) / 2, body.bottom - 5), RGB(0x1A, 0x1A, 0x1A));
    EXPECT_EQ(after.Pixel((body.left + body.right) / 2, body.top + 5), RGB(0xF4, 0xF4, 0xF4));

    // Hostile levels draw within the tank.
    update.nBlackLevel = INT_MIN;
    display.UpdateInkLevels(&update);
    EXPECT_EQ(right.GetLevel(), 0);
    right.RedrawWindow();
    EXPECT_EQ(ScreenPixel(dialog, (body.left + body.right) / 2, body.bottom - 5),
              RGB(0xF4, 0xF4, 0xF4));
    EXPECT_EQ(ScreenPixel(dialog, rightRect.left, rightRect.top), kBackground);
}

TEST(Palette, ComesFromWellFormedDataOnly) {
    std::vector<BYTE> data(4 + 4 * 256);
    auto* palette = reinterpret_cast<LOGPALETTE*>(data.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 256;
    for (int i = 0; i < 256; ++i)
        palette->palPalEntry[i] = PALETTEENTRY{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    CPalette256 good;
    ASSERT_TRUE(good.CreateFromData(data.data(), static_cast<DWORD>(data.size())));
    EXPECT_NE(good.GetSafeHandle(), nullptr);
    EXPECT_EQ(good.GetEntryCount(), 256);

    struct Case {
        WORD version;
        WORD count;
        DWORD size;
    };
    const Case bad[] = {{0x200, 256, 1028},
                        {0x300, 0, 1028},
                        {0x300, 300, 1028},
                        {0x300, 256, 1027},
                        {0x300, 16, 3}};
    for (const Case& c : bad) {
        palette->palVersion = c.version;
        palette->palNumEntries = c.count;
        CPalette256 rejected;
        EXPECT_FALSE(rejected.CreateFromData(data.data(), c.size)) << c.version << " " << c.count;
        EXPECT_EQ(rejected.GetSafeHandle(), nullptr);
    }
    CPalette256 none;
    EXPECT_FALSE(none.CreateFromData(nullptr, 1028));
    // No palette resource in the test program: refused and harmless.
    EXPECT_FALSE(none.Create(6025));
    HDC screen = ::GetDC(nullptr);
    none.Realize(screen);
    good.Realize(screen, TRUE);
    ::ReleaseDC(nullptr, screen);
    // The test display has true colours.
    EXPECT_FALSE(CPalette256::IsPaletteDisplay(nullptr));
}

TEST(Font, SizeComesFromTheNumberInTheText) {
    const std::pair<const char*, int> cases[] = {
        {"12", 120}, {"8", 80}, {" 14 ", 140}, {"9pt", 90},  {"", 0},
        {"abc", 0},  {"-3", 0}, {"0", 0},      {"99999", 0}, {nullptr, 0}};
    for (auto [text, tenths] : cases)
        EXPECT_EQ(CGUIFont::PointTenthsFromText(text), tenths) << (text ? text : "(null)");

    CGUIFont bold;
    ASSERT_TRUE(bold.CreateFont(120, TRUE));
    LOGFONTA info{};
    ASSERT_TRUE(bold.GetLogFont(info));
    EXPECT_GE(info.lfWeight, FW_BOLD);
    CGUIFont plain;
    ASSERT_TRUE(plain.CreateFont(120, FALSE, nullptr));
    LOGFONTA plainInfo{};
    ASSERT_TRUE(plain.GetLogFont(plainInfo));
    EXPECT_EQ(plainInfo.lfHeight, info.lfHeight);
    EXPECT_LT(plainInfo.lfWeight, FW_BOLD);

    // No such string in the test program: the dialog size, and FALSE.
    CGUIFont fallback;
    EXPECT_FALSE(fallback.CreateFromStringId(8008, TRUE));
    EXPECT_TRUE(fallback.IsValid());
}

TEST(MemDC, DrawsInTheTargetsCoordinatesAndCopiesOnlyItsArea) {
    CMemoryDC target(nullptr, 60, 40);
    target.FillSolidRect(0, 0, 60, 40, kBlue);
    {
        CMemDC buffer(target, RECT{10, 5, 30, 25});
        buffer.FillSolidRect(RECT{0, 0, 60, 40}, kRed);
        buffer.FillSolidRect(RECT{20, 15, 22, 17}, kYellow);
        EXPECT_EQ(target.GetPixel(15, 10), kBlue); // nothing before the end of the scope
    }
    EXPECT_EQ(target.GetPixel(15, 10), kRed);
    EXPECT_EQ(target.GetPixel(21, 16), kYellow);
    EXPECT_EQ(target.GetPixel(9, 10), kBlue);
    EXPECT_EQ(target.GetPixel(30, 10), kBlue);
    EXPECT_EQ(target.GetPixel(15, 25), kBlue);
    { CMemDC empty(target, RECT{40, 30, 20, 10}); }
    EXPECT_EQ(target.GetPixel(35, 20), kBlue);
}

TEST(UrlLink, OnlyWebAndMailAddressesWithinTheirLengthGoToTheShell) {
    ScopedOptionsFile options({"IDO_PROGRAM_SUBURL=file:///C:/windows/system32/calc.exe"});
    CUiRecorder recorder;
    const std::string longest =
        "https://a.example/" + std::string(CGUIUrlLink::kMaxAddress - 18, 'x');
    struct Case {
        std::string address;
        bool opened;
    };
    const Case cases[] = {
        {"https://support.example/", true},
        {"HTTP://support.example/", true},
        {"mailto:support@corvane.example", true},
        {longest, true},
        {longest + "x", false},
        {"file:///C:/windows/system32/calc.exe", false},
        {"C:\\windows\\system32\\calc.exe", false},
        {"javascript:alert(1)", false},
        {"ftp://files.example/", false},
        {"https", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address.substr(0, 40));
        CUiRecorder::Calls().clear();
        EXPECT_EQ(CGUIUrlLink::GotoURL(c.address.c_str()) != FALSE, c.opened);
        EXPECT_EQ(CGUIUrlLink::GotoURLManually(c.address.c_str()) != FALSE, c.opened);
        EXPECT_EQ(CUiRecorder::Calls().size(), c.opened ? 2u : 0u);
    }
    // An address from the options file is held to the same rule.
    CGUIUrlLink link;
    CUiRecorder::Calls().clear();
    EXPECT_FALSE(link.FollowLink("IDO_PROGRAM_SUBURL", FALSE));
    EXPECT_TRUE(CUiRecorder::Calls().empty());
}

// Without colours the inks still tell apart: each colour ink has a pattern of its own over it and
// black none; the window text says the ink and its level for a screen reader.
TEST_F(ControlsTest, InkTanksTellTheirInksApartWithoutColour) {
    CGUIInkTank colour;
    CGUIInkTank black;
    ASSERT_TRUE(colour.Attach(kTankId, &dialog));
    ASSERT_TRUE(black.Attach(kTank2Id, &dialog));
    colour.SetInk(TankLook::Color, 100, 100, 100);
    black.SetInk(TankLook::Black, 60);
    CCanvas canvas(ClientRect().right, ClientRect().bottom);
    colour.Draw(canvas.Get());
    black.Draw(canvas.Get());
    RECT body{};
    RECT caption{};
    CGUIInkTank::Layout(ControlRect(kTankId), true, body, caption);
    const int width = body.right - body.left;
    std::vector<std::set<std::pair<int, int>>> patterns;
    for (int stripe = 0; stripe < 3; ++stripe) {
        const RECT area{body.left + width * stripe / 3 + 5, body.top + 6,
                        body.left + width * (stripe + 1) / 3 - 5, body.bottom - 6};
        patterns.push_back(PatternOf(canvas, area));
        EXPECT_FALSE(patterns.back().empty()) << "stripe " << stripe;
    }
    EXPECT_NE(patterns[0], patterns[1]);
    EXPECT_NE(patterns[1], patterns[2]);
    EXPECT_NE(patterns[0], patterns[2]);
    CGUIInkTank::Layout(ControlRect(kTank2Id), true, body, caption);
    EXPECT_TRUE(
        PatternOf(canvas, RECT{body.left + 5, body.bottom - 12, body.right - 5, body.bottom - 6})
            .empty());

    EXPECT_NE(std::string(black.GetWindowText()).find(": 60%"), std::string::npos);
    colour.SetInk(TankLook::Color, 70, 20, 90);
    EXPECT_NE(std::string(colour.GetWindowText()).find(": 20%"), std::string::npos);
    colour.SetInk(TankLook::Missing, 0);
    EXPECT_EQ(std::string(colour.GetWindowText()).find('%'), std::string::npos);
}
