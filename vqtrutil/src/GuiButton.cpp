#include "GuiButton.h"

#include "CSpy.h"

BEGIN_MESSAGE_MAP(CDrawnButton, CDrawnControl)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_ERASEBKGND()
ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
ON_MESSAGE(WM_LBUTTONDBLCLK, OnDoubleClick)
END_MESSAGE_MAP()

BOOL CDrawnButton::BindButton(UINT controlId, CWnd* parent) {
    if (!Bind(controlId, parent)) {
        LogMissing("CDrawnButton::BindButton() no control", controlId);
        return FALSE;
    }
    // Directly, not through BM_SETSTYLE, which this button refuses (below).
    DWORD style = static_cast<DWORD>(GetStyle());
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
        ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
        Invalidate(FALSE);
    }
    return TRUE;
}

void CDrawnButton::SetText(const CString& text) {
    if (m_hWnd && !(GetText() == text)) {
        SetWindowText(text);
        Invalidate(FALSE);
    }
}

void CDrawnButton::SetTextColor(COLORREF color) {
    bool followHover = m_hoverColor == m_textColor;
    m_textColor = color;
    if (followHover)
        m_hoverColor = color;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CDrawnButton::SetHoverTextColor(COLORREF color) {
    m_hoverColor = color;
    if (m_hWnd)
        Invalidate(FALSE);
}

CDrawnButton::State CDrawnButton::GetState() const {
    State state{};
    if (!m_hWnd)
        return state;
    auto buttonState = static_cast<UINT>(SendMessage(BM_GETSTATE));
    state.pressed = (buttonState & BST_PUSHED) != 0;
    state.focused = ::GetFocus() == m_hWnd;
    state.disabled = !IsWindowEnabled();
    state.hover = m_hover && !state.disabled;
    return state;
}

void CDrawnButton::DrawLabel(HDC dc, const RECT& rect, const State& state) const {
    CString text = GetText();
    CDC target(dc);
    if (!text.IsEmpty()) {
        HFONT font = GetFont();
        CSelectObject selectFont(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
        target.SetBkMode(TRANSPARENT);
        COLORREF color = state.disabled ? ::GetSysColor(COLOR_GRAYTEXT)
                         : state.hover  ? m_hoverColor
                                        : m_textColor;
        target.SetTextColor(color);
        RECT area = rect;
        if (state.pressed)
            ::OffsetRect(&area, 1, 1);
        target.DrawText(text, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (state.focused) {
        RECT focus = rect;
        ::InflateRect(&focus, -3, -3);
        if (focus.right > focus.left && focus.bottom > focus.top) {
            target.SetTextColor(RGB(0, 0, 0));
            target.SetBkColor(RGB(255, 255, 255));
            target.DrawFocusRect(focus);
        }
    }
}

bool CDrawnButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM)
        return false;
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!item || item->hwndItem != m_hWnd)
        return false;
    PaintBuffered(item->hDC, item->rcItem);
    result = TRUE;
    return true;
}

void CDrawnButton::OnMouseMove(UINT, POINT) {
    if (!m_hover) {
        m_hover = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        Invalidate(FALSE);
    }
    Default();
}

void CDrawnButton::OnMouseLeave() {
    m_hover = false;
    Invalidate(FALSE);
    Default();
}

LRESULT CDrawnButton::OnSetStyle(WPARAM, LPARAM) {
    // A dialog makes its default button BS_DEFPUSHBUTTON; a drawn button stays owner-drawn.
    Invalidate(FALSE);
    return 0;
}

LRESULT CDrawnButton::OnDoubleClick(WPARAM flags, LPARAM point) {
    // An owner-drawn button reports a double click as such; here the second click is a click.
    return SendMessage(WM_LBUTTONDOWN, flags, point);
}

BOOL CGUIButton::Init(UINT controlId, CWnd* parent, UINT bitmapNormal, UINT bitmapPressed,
                      COLORREF key) {
    BOOL loaded = LoadInto(m_normal, bitmapNormal);
    loaded = LoadInto(m_pressed, bitmapPressed) && loaded;
    m_key = key;
    return BindButton(controlId, parent) && loaded;
}

BOOL CGUIButton::Init(UINT controlId, CWnd* parent, HBITMAP bitmapNormal, HBITMAP bitmapPressed,
                      COLORREF key) {
    m_normal = CSharedBitmap(bitmapNormal);
    m_pressed = CSharedBitmap(bitmapPressed);
    m_key = key;
    return BindButton(controlId, parent) && m_normal.IsValid() && m_pressed.IsValid();
}

bool CGUIButton::LoadInto(CSharedBitmap& holder, UINT bitmapId) {
    if (holder.Load(bitmapId))
        return true;
    LogMissing("CGUIButton::Init() bitmap not found", bitmapId);
    return false;
}

void CGUIButton::SetOverlap(BOOL overlap) {
    m_overlap = overlap != FALSE;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CGUIButton::DrawFace(HDC dc, const RECT& rect, HBITMAP bitmap, const State& state) const {
    CBitmapHandle picture(bitmap);
    SIZE size = picture.GetSize();
    if (size.cx > 0 && size.cy > 0) {
        if (m_overlap) {
            DrawTransparentBitmap(dc, bitmap, rect, m_key);
        } else {
            int x = rect.left + (rect.right - rect.left - size.cx) / 2;
            int y = rect.top + (rect.bottom - rect.top - size.cy) / 2;
            DrawTransparentBitmap(dc, bitmap, x, y, m_key);
        }
    }
    DrawLabel(dc, rect, state);
}

void CGUIButton::DrawContent(HDC dc, const RECT& rect) {
    State state = GetState();
    HBITMAP bitmap = state.pressed && m_pressed.IsValid() ? m_pressed.Get() : m_normal.Get();
    DrawFace(dc, rect, bitmap, state);
}

BOOL COwnButton::Init(UINT controlId, CWnd* parent) {
    m_textColor = m_hoverColor = RGB(0x20, 0x20, 0x20);
    return BindButton(controlId, parent);
}

void COwnButton::SetColors(COLORREF face, COLORREF frame, COLORREF pressedFace) {
    m_face = face;
    m_frame = frame;
    m_pressedFace = pressedFace;
    if (m_hWnd)
        Invalidate(FALSE);
}

void COwnButton::DrawContent(HDC dc, const RECT& rect) {
    State state = GetState();
    CDC target(dc);
    target.FillSolidRect(rect, state.pressed || state.hover ? m_pressedFace : m_face);
    CBrush frame;
    frame.CreateSolidBrush(state.disabled ? ::GetSysColor(COLOR_GRAYTEXT) : m_frame);
    target.FrameRect(rect, frame);
    DrawLabel(dc, rect, state);
}
