#include "InkTank.h"

#include "InkDisplay.h"

#include <Gdi.h>
#include <algorithm>
#include <cstdio>

namespace {
constexpr COLORREF kOutline = RGB(0x50, 0x50, 0x50);
constexpr COLORREF kInside = RGB(0xF4, 0xF4, 0xF4);
constexpr COLORREF kCaption = RGB(0x20, 0x20, 0x20);
constexpr COLORREF kWarning = RGB(0xC0, 0x10, 0x10);

// The ink colours of each look, one per stripe.
struct InkColors {
    int count;
    COLORREF colors[CGUIInkTank::kInks];
};

InkColors ColorsOf(TankLook look) {
    switch (look) {
    case TankLook::Black:
        return {1, {RGB(0x1A, 0x1A, 0x1A)}};
    case TankLook::Cyan:
        return {1, {RGB(0x00, 0xAE, 0xEF)}};
    case TankLook::Magenta:
        return {1, {RGB(0xEC, 0x00, 0x8C)}};
    case TankLook::Yellow:
        return {1, {RGB(0xFF, 0xE0, 0x00)}};
    case TankLook::Color:
        return {3, {RGB(0x00, 0xAE, 0xEF), RGB(0xEC, 0x00, 0x8C), RGB(0xFF, 0xE0, 0x00)}};
    case TankLook::Photo:
        return {3, {RGB(0x58, 0x58, 0x58), RGB(0x80, 0xD8, 0xF8), RGB(0xF6, 0x80, 0xC6)}};
    default:
        return {0, {}};
    }
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
    if (m_hWnd)
        Invalidate(FALSE);
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
        target.FillSolidRect(FillArea(stripe, m_levels[i]), inks.colors[i]);
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
