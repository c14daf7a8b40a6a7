#include "MainSkin.h"

#include "Dialog.h"
#include "resource.h"

namespace {
constexpr COLORREF kSkinKey = RGB(0, 255, 0);
constexpr COLORREF kSkinBase = RGB(16, 52, 92);
// The page sheet is laid over the whole window and cut to the skin's page hole.
constexpr int kSheetMargin = 32;
constexpr int kRegionGrowRight = 4;
constexpr int kRegionGrowBottom = 25;
} // namespace

void CMainSkin::Layout(CWnd& window) {
    m_Palette.Create(IDR_PALETTE);
    m_Background.Load(IDB_MAIN_BACKGROUND);
    SIZE skin = m_Background.GetSize();
    if (skin.cx > 0) {
        // The client area takes the skin's size below its title band.
        RECT frame{0, 0, skin.cx + kOffset.x, skin.cy + kOffset.y};
        ::AdjustWindowRectEx(&frame, static_cast<DWORD>(window.GetStyle()), FALSE,
                             static_cast<DWORD>(window.GetExStyle()));
        window.SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    window.GetDlgItem(IDC_MAIN_LOGO)
        .MoveWindow(MAIN_LOGO_LEFT + kOffset.x, MAIN_LOGO_TOP + kOffset.y, MAIN_LOGO_WIDTH,
                    MAIN_LOGO_HEIGHT);
    window.GetDlgItem(IDC_MAIN_BANNER)
        .MoveWindow(MAIN_BANNER_LEFT + kOffset.x, MAIN_BANNER_TOP + kOffset.y, MAIN_BANNER_WIDTH,
                    MAIN_BANNER_HEIGHT);
    m_Logo.Init(IDC_MAIN_LOGO, &window, IDB_MAIN_LOGO);
    m_Banner.Init(IDC_MAIN_BANNER, &window, IDB_MAIN_BANNER);
}

RECT CMainSkin::SheetRect(const CWnd& window) const {
    RECT frame = window.GetWindowRect();
    return RECT{0, 0, frame.right - frame.left + kSheetMargin,
                frame.bottom - frame.top + kSheetMargin};
}

RECT CMainSkin::PageHole() const {
    return RECT{MAIN_PAGE_HOLE_LEFT + kOffset.x, MAIN_PAGE_HOLE_TOP + kOffset.y,
                MAIN_PAGE_HOLE_RIGHT + kOffset.x, MAIN_PAGE_HOLE_BOTTOM + kOffset.y};
}

void CMainSkin::CutPageHole(HWND sheet, const RECT& sheetRect) const {
    CRgn skin(CreateRegionFromBitmap(m_Background, kSkinKey));
    CRgn shape;
    shape.CreateRectRgn(0, 0, sheetRect.right + kRegionGrowRight,
                        sheetRect.bottom + kRegionGrowBottom);
    if (skin.IsValid() && shape.CombineRgn(skin, shape, RGN_XOR) != ERROR) {
        shape.OffsetRgn(kOffset.x, kOffset.y);
        // The window owns the region from here on.
        ::SetWindowRgn(sheet, shape.Detach(), TRUE);
    }
}

void CMainSkin::Paint(HDC dc, RECT box) const {
    m_Palette.Realize(dc);
    CDC target(dc);
    // The skin is copied as it is: its key colour marks the page hole, which the page sheet
    // covers (the window does not paint under its children). Around it, the skin's own colour.
    SIZE size = m_Background.GetSize();
    RECT skin{kOffset.x, kOffset.y, kOffset.x + size.cx, kOffset.y + size.cy};
    RECT part{};
    if (::IntersectRect(&part, &box, &skin)) {
        CCompatibleDC source(dc);
        CSelectObject select(source, m_Background);
        ::BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, source,
                 part.left - kOffset.x, part.top - kOffset.y, SRCCOPY);
    }
    if (!::EqualRect(&part, &box)) {
        int saved = target.SaveDC();
        if (!::IsRectEmpty(&part))
            ::ExcludeClipRect(dc, part.left, part.top, part.right, part.bottom);
        target.FillSolidRect(box, kSkinBase);
        target.RestoreDC(saved);
    }
}
