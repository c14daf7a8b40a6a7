#include "QorButton.h"

#include "CSpy.h"

BOOL CQORButton::Init(UINT controlId, CWnd* parent, UINT bitmapUp, UINT bitmapDown,
                      UINT bitmapHover) {
    BOOL loaded = LoadInto(m_hoverBitmap, bitmapHover);
    return CGUIButton::Init(controlId, parent, bitmapUp, bitmapDown) && loaded;
}

BOOL CQORButton::Init(UINT controlId, CWnd* parent, HBITMAP bitmapUp, HBITMAP bitmapDown,
                      HBITMAP bitmapHover, COLORREF key) {
    m_hoverBitmap.Attach(bitmapHover);
    return CGUIButton::Init(controlId, parent, bitmapUp, bitmapDown, key) &&
           m_hoverBitmap.IsValid();
}

void CQORButton::SetToolTip(const CString& text, int offsetX, int offsetY) {
    if (!m_hWnd) {
        CSpy().OutputData("CQORButton::SetToolTip() the button is not bound");
        return;
    }
    m_offset = POINT{offsetX, offsetY};
    if (!m_toolTip.IsWindow()) {
        AfxInitCommonControls();
        if (!m_toolTip.Create(m_hWnd, TTS_ALWAYSTIP | TTS_NOPREFIX) ||
            !m_toolTip.AddTrackingTool(m_hWnd, kToolId, text)) {
            CSpy().OutputData("CQORButton::SetToolTip() the tool tip could not be made");
            return;
        }
    } else {
        m_toolTip.UpdateTipText(text, m_hWnd, kToolId);
    }
    m_toolTip.TrackPosition(GetToolTipPosition().x, GetToolTipPosition().y);
}

POINT CQORButton::GetToolTipPosition() const {
    RECT rect = m_hWnd ? GetWindowRect() : RECT{};
    return POINT{rect.left + m_offset.x, rect.top + m_offset.y};
}

void CQORButton::RepositionToolTip(int offsetX, int offsetY) {
    m_offset = POINT{offsetX, offsetY};
    if (!m_toolTip.IsWindow())
        return;
    POINT position = GetToolTipPosition();
    m_toolTip.TrackPosition(position.x, position.y);
}

void CQORButton::ShowToolTip(BOOL show) {
    if (!m_toolTip.IsWindow()) {
        m_toolTipShown = false;
        return;
    }
    if (show) {
        POINT position = GetToolTipPosition();
        m_toolTip.TrackPosition(position.x, position.y);
    }
    m_toolTip.TrackActivate(show, m_hWnd, kToolId);
    m_toolTipShown = show != FALSE;
}

void CQORButton::SetLowered(bool lowered) {
    if (m_lowered == lowered)
        return;
    m_lowered = lowered;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CQORButton::Lower() {
    SetLowered(true);
}

void CQORButton::Raise() {
    SetLowered(false);
}

void CQORButton::DrawContent(HDC dc, const RECT& rect) {
    State state = GetState();
    HBITMAP bitmap = m_normal;
    if (m_lowered || state.pressed)
        bitmap = m_pressed.IsValid() ? m_pressed.Get() : bitmap;
    else if (state.hover && m_hoverBitmap.IsValid())
        bitmap = m_hoverBitmap;
    DrawFace(dc, rect, bitmap, state);
}
