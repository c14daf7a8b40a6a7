#include "DrawnControl.h"

#include "CSpy.h"

#include "MemDC.h"

#include <Gdi.h>

BOOL CDrawnControl::Bind(UINT controlId, CWnd* parent) {
    if (!parent || !parent->GetSafeHwnd())
        return FALSE;
    if (m_hWnd)
        return ::GetDlgCtrlID(m_hWnd) == static_cast<int>(controlId) &&
               ::GetParent(m_hWnd) == parent->GetSafeHwnd();
    return SubclassDlgItem(controlId, *parent);
}

RECT CDrawnControl::GetRectInParent() const {
    RECT rect{};
    if (!m_hWnd)
        return rect;
    ::GetClientRect(m_hWnd, &rect);
    ::MapWindowPoints(m_hWnd, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CDrawnControl::Draw(HDC parentDC) {
    if (!parentDC || !m_hWnd || !IsWindowVisible())
        return;
    RECT rect = GetRectInParent();
    // A page draws its controls whenever part of it is asked for: those outside that part cost
    // nothing.
    if (!::RectVisible(parentDC, &rect))
        return;
    CDC dc(parentDC);
    int saved = dc.SaveDC();
    dc.IntersectClipRect(rect);
    DrawContent(parentDC, rect);
    dc.RestoreDC(saved);
}

void CDrawnControl::PaintParentBackground(HWND control, HDC dc, const RECT& rect) {
    // A parent that paints its children's backgrounds from inside its own erase handler would
    // come back here; the inner call gets a plain fill.
    static bool painting = false;
    HWND parent = ::GetParent(control);
    CDC target(dc);
    if (!parent || painting) {
        target.FillRect(rect, ::GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    POINT origin{0, 0};
    ::MapWindowPoints(control, parent, &origin, 1);
    int saved = target.SaveDC();
    target.IntersectClipRect(rect);
    ::OffsetViewportOrgEx(dc, rect.left - origin.x, rect.top - origin.y, nullptr);
    painting = true;
    ::SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    painting = false;
    target.RestoreDC(saved);
}

void CDrawnControl::PaintBuffered(HDC target, const RECT& rect) {
    CMemDC buffer(target, rect);
    if (!buffer.GetSafeHdc())
        return;
    if (!IsOpaque())
        PaintParentBackground(m_hWnd, buffer, rect);
    DrawContent(buffer, rect);
}

BEGIN_MESSAGE_MAP(CDrawnStatic, CDrawnControl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_ENABLE, OnEnable)
END_MESSAGE_MAP()

void CDrawnStatic::OnPaint() {
    CPaintDC dc(m_hWnd);
    PaintBuffered(dc, GetClientRect());
}

void CDrawnControl::LogMissing(const char* where, UINT id) {
    CSpy spy;
    spy.OutputData(where);
    spy.OutputData(id);
}

void CDrawnStatic::SetText(const CString& text) {
    // The text it already has changes nothing on screen; setting it is a request to the window
    // system (status updates set every text again).
    if (m_hWnd && !(GetText() == text))
        SetWindowText(text);
}

BOOL CDrawnStatic::SetTextId(UINT stringId) {
    CString text;
    if (!text.LoadString(stringId)) {
        LogMissing("CDrawnStatic::SetTextId() string not found", stringId);
        return FALSE;
    }
    SetText(text);
    return TRUE;
}

LRESULT CDrawnStatic::OnSetText(WPARAM, LPARAM text) {
    LRESULT result = ::DefWindowProcA(m_hWnd, WM_SETTEXT, 0, text);
    Invalidate(FALSE);
    return result;
}

LRESULT CDrawnStatic::OnEnable(WPARAM, LPARAM) {
    Invalidate(FALSE);
    return 0;
}
