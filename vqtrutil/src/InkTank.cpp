#include "InkTank.h"

#include "InkDisplay.h"
#include "resource.h"

#include <Gdi.h>
#include <algorithm>
#include <cstdio>

namespace {
constexpr COLORREF kOutline = RGB(0x50, 0x50, 0x50);
constexpr COLORREF kInside = RGB(0xF4, 0xF4, 0xF4);
constexpr COLORREF kCaption = RGB(0x20, 0x20, 0x20);
constexpr COLORREF kWarning = RGB(0xC0, 0x10, 0x10);

// The ink colours of each look, one per stripe, each with a pattern drawn over it so that the
// inks tell apart without their colours (in grey print, or for a reader who does not see them):
// a hatch style and its line colour, or no pattern (-1) for black.
struct Ink {
    COLORREF color;
    int hatch;
    COLORREF lines;
};
struct InkColors {
    int count;
    Ink inks[CGUIInkTank::kInks];
};

constexpr COLORREF kHatchLight = RGB(0xFF, 0xFF, 0xFF);
constexpr Ink kBlack{RGB(0x1A, 0x1A, 0x1A), -1, 0};
constexpr Ink kCyan{RGB(0x00, 0xAE, 0xEF), HS_BDIAGONAL, kHatchLight};
constexpr Ink kMagenta{RGB(0xEC, 0x00, 0x8C), HS_FDIAGONAL, kHatchLight};
constexpr Ink kYellow{RGB(0xFF, 0xE0, 0x00), HS_CROSS, RGB(0xA0, 0x88, 0x00)};
constexpr Ink kPhotoBlack{RGB(0x58, 0x58, 0x58), HS_HORIZONTAL, kHatchLight};
constexpr Ink kPhotoCyan{RGB(0x80, 0xD8, 0xF8), HS_BDIAGONAL, RGB(0x20, 0x70, 0x90)};
constexpr Ink kPhotoMagenta{RGB(0xF6, 0x80, 0xC6), HS_FDIAGONAL, RGB(0x90, 0x20, 0x60)};

InkColors ColorsOf(TankLook look) {
    switch (look) {
    case TankLook::Black:
        return {1, {kBlack}};
    case TankLook::Cyan:
        return {1, {kCyan}};
    case TankLook::Magenta:
        return {1, {kMagenta}};
    case TankLook::Yellow:
        return {1, {kYellow}};
    case TankLook::Color:
        return {3, {kCyan, kMagenta, kYellow}};
    case TankLook::Photo:
        return {3, {kPhotoBlack, kPhotoCyan, kPhotoMagenta}};
    default:
        return {0, {}};
    }
}

// The resource module's name of what a tank shows, for its window text.
UINT NameOf(TankLook look) {
    switch (look) {
    case TankLook::Black:
        return IDS_INK_NAME_BLACK;
    case TankLook::Cyan:
        return IDS_INK_NAME_CYAN;
    case TankLook::Magenta:
        return IDS_INK_NAME_MAGENTA;
    case TankLook::Yellow:
        return IDS_INK_NAME_YELLOW;
    case TankLook::Color:
        return IDS_INK_NAME_COLOUR;
    case TankLook::Photo:
        return IDS_INK_NAME_PHOTO;
    case TankLook::Missing:
        return IDS_INK_NAME_MISSING;
    case TankLook::Unidentified:
        return IDS_INK_NAME_UNIDENTIFIED;
    case TankLook::Invalid:
        return IDS_INK_NAME_INVALID;
    case TankLook::Empty:
        break;
    }
    return 0;
}

bool ShowsInk(TankLook look) {
    return ColorsOf(look).count > 0;
}
} // namespace

int CGUIInkTank::ClampLevel(long long level) {
    return static_cast<int>(std::clamp(level, 0LL, 100LL));
}

RECT CGUIInkTank::FillArea(const RECT& inside, long long level) {
    long long height = std::max(0L, inside.bottom - inside.top);
    auto filled = static_cast<LONG>(height * ClampLevel(level) / 100);
    return RECT{inside.left, inside.bottom - filled, inside.right, inside.bottom};
}

void CGUIInkTank::Layout(const RECT& control, bool caption, RECT& body, RECT& captionRect) {
    int width = std::max(0L, control.right - control.left);
    int height = std::max(0L, control.bottom - control.top);
    int captionHeight = caption ? std::min(16, height / 4) : 0;
    captionRect = RECT{control.left, control.top + height - captionHeight, control.left + width,
                       control.top + height};
    // The tank is at most half again as wide as it is tall less the caption, and centred, with
    // one pixel of room around it.
    int bodyHeight = height - captionHeight;
    int bodyWidth = std::min(width, bodyHeight * 3 / 2);
    if (bodyWidth < 3 || bodyHeight < 3) {
        body = RECT{control.left, control.top, control.left, control.top};
        return;
    }
    int left = control.left + (width - bodyWidth) / 2;
    body = RECT{left + 1, control.top + 1, left + bodyWidth - 1, control.top + bodyHeight - 1};
}

int CGUIInkTank::InkCount() const {
    return ColorsOf(m_look).count;
}

int CGUIInkTank::GetLevel(int ink) const {
    return ink >= 0 && ink < kInks ? m_levels[ink] : 0;
}

int CGUIInkTank::GetShownLevel() const {
    int count = InkCount();
    return count ? *std::min_element(m_levels, m_levels + count) : 0;
}

void CGUIInkTank::SetInk(TankLook look, int level, int level2, int level3) {
    int levels[kInks] = {ClampLevel(level), ClampLevel(level2), ClampLevel(level3)};
    for (int i = ColorsOf(look).count; i < kInks; ++i)
        levels[i] = 0;
    if (look == m_look && std::equal(levels, levels + kInks, m_levels))
        return;
    m_look = look;
    std::copy(levels, levels + kInks, m_levels);
    if (m_hWnd) {
        UpdateName();
        Invalidate(FALSE);
    }
}

CString CGUIInkTank::Name() const {
    const UINT nameId = NameOf(m_look);
    CString name;
    if (nameId && !name.LoadString(nameId))
        LogMissing("CGUIInkTank::Name() string not found", nameId);
    if (ShowsInk(m_look)) {
        char level[16];
        std::snprintf(level, sizeof level, ": %d%%", GetShownLevel());
        name += level;
    }
    return name;
}

void CGUIInkTank::UpdateName() {
    // Not drawn: the window text is what a screen reader says for the tank.
    SetText(Name());
}

BOOL CGUIInkTank::Attach(UINT controlId, CWnd* parent) {
    if (!Bind(controlId, parent))
        return FALSE;
    UpdateName();
    return TRUE;
}

void CGUIInkTank::SetCartridge(DWORD cartridgeId, const INKINFO* ink, BOOL full) {
    auto level = [&](LONG value) { return full ? 100 : (ink ? value : 0); };
    switch (CGUIInkDisplay::WhatIsIt(cartridgeId)) {
    case BLACK:
        SetInk(TankLook::Black, level(ink ? ink->nBlackLevel : 0));
        return;
    case COLOR:
        SetInk(TankLook::Color, level(ink ? ink->nColorLevel1 : 0),
               level(ink ? ink->nColorLevel2 : 0), level(ink ? ink->nColorLevel3 : 0));
        return;
    case PHOTO:
        SetInk(TankLook::Photo, level(ink ? ink->nPhotoLevel1 : 0),
               level(ink ? ink->nPhotoLevel2 : 0), level(ink ? ink->nPhotoLevel3 : 0));
        return;
    default:
        break;
    }
    if (CGUIInkDisplay::IsItMissing(cartridgeId))
        SetInk(TankLook::Missing, 0);
    else if (CGUIInkDisplay::IsItUnidentified(cartridgeId))
        SetInk(TankLook::Unidentified, 0);
    else
        SetInk(TankLook::Invalid, 0);
}

void CGUIInkTank::ShowCaption(BOOL show) {
    if (m_caption == (show != FALSE))
        return;
    m_caption = show != FALSE;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CGUIInkTank::DrawInks(HDC dc, const RECT& inside) const {
    CDC target(dc);
    InkColors inks = ColorsOf(m_look);
    int width = inside.right - inside.left;
    for (int i = 0; i < inks.count; ++i) {
        RECT stripe{inside.left + width * i / inks.count, inside.top,
                    inside.left + width * (i + 1) / inks.count, inside.bottom};
        const RECT fill = FillArea(stripe, m_levels[i]);
        const Ink& ink = inks.inks[i];
        target.FillSolidRect(fill, ink.color);
        if (ink.hatch < 0 || fill.bottom <= fill.top)
            continue;
        CBrush pattern;
        pattern.CreateHatchBrush(ink.hatch, ink.lines);
        const int mode = ::SetBkMode(dc, TRANSPARENT);
        ::FillRect(dc, &fill, pattern);
        ::SetBkMode(dc, mode);
    }
}

void CGUIInkTank::DrawContent(HDC dc, const RECT& rect) {
    if (m_look == TankLook::Empty)
        return;
    CDC target(dc);
    RECT body{};
    RECT caption{};
    Layout(rect, m_caption, body, caption);
    int radius = std::min<int>(8, (body.right - body.left) / 3);

    CPen outline;
    outline.CreatePen(m_look == TankLook::Missing ? PS_DOT : PS_SOLID, 1, kOutline);
    CBrush inside;
    inside.CreateSolidBrush(kInside);
    {
        CSelectObject pen(dc, outline);
        CSelectObject brush(dc, inside);
        ::RoundRect(dc, body.left, body.top, body.right, body.bottom, radius, radius);
    }
    RECT inner{body.left + 3, body.top + 3, body.right - 3, body.bottom - 3};
    if (inner.right > inner.left && inner.bottom > inner.top)
        DrawInks(dc, inner);

    HFONT font = GetFont();
    CSelectObject selectFont(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    target.SetBkMode(TRANSPARENT);
    if (m_look == TankLook::Unidentified || m_look == TankLook::Invalid) {
        target.SetTextColor(m_look == TankLook::Invalid ? kWarning : kCaption);
        target.DrawText(m_look == TankLook::Invalid ? "!" : "?", &body,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (m_caption && ShowsInk(m_look) && caption.bottom > caption.top) {
        char text[8];
        std::snprintf(text, sizeof(text), "%d%%", GetShownLevel());
        target.SetTextColor(kCaption);
        target.DrawText(text, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
}
