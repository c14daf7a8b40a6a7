#include "TransStatic.h"

#include "CSpy.h"

#include <algorithm>
#include <utility>

BOOL CTransStaticBmp::Init(UINT controlId, CWnd* parent, UINT bitmapId, COLORREF key, int style) {
    BOOL bound = Bind(controlId, parent);
    if (!bound)
        LogMissing("CTransStaticBmp::Init() no control", controlId);
    return SetBitmap(bitmapId, key, style) && bound;
}

BOOL CTransStaticBmp::Init(UINT controlId, CWnd* parent, HBITMAP bitmap, COLORREF key, int style) {
    BOOL bound = Bind(controlId, parent);
    if (!bound)
        LogMissing("CTransStaticBmp::Init() no control", controlId);
    return SetBitmap(bitmap, key, style) && bound;
}

BOOL CTransStaticBmp::SetBitmap(UINT bitmapId, COLORREF key, int style) {
    // Status updates set every picture again: the one shown already changes nothing on screen.
    if (bitmapId && bitmapId == m_bitmapId && key == m_key && style == m_style)
        return m_bitmap.IsValid();
    CSharedBitmap bitmap;
    if (!bitmap.Load(bitmapId))
        LogMissing("CTransStaticBmp::SetBitmap() bitmap not found", bitmapId);
    BOOL set = Show(std::move(bitmap), key, style);
    m_bitmapId = bitmapId;
    return set;
}

BOOL CTransStaticBmp::SetBitmap(HBITMAP bitmap, COLORREF key, int style) {
    return Show(CSharedBitmap(bitmap), key, style);
}

BOOL CTransStaticBmp::Show(CSharedBitmap bitmap, COLORREF key, int style) {
    m_bitmap = std::move(bitmap);
    m_bitmapId = 0;
    m_key = key;
    m_style = style >= BITMAP_TOPLEFT && style <= BITMAP_STRETCHED ? style : BITMAP_TOPLEFT;
    if (m_hWnd)
        Invalidate(FALSE);
    return m_bitmap.IsValid();
}

RECT CTransStaticBmp::PlaceBitmap(const RECT& rect) const {
    SIZE size = m_bitmap.GetSize();
    if (size.cx <= 0 || size.cy <= 0)
        return RECT{rect.left, rect.top, rect.left, rect.top};
    switch (m_style) {
    case BITMAP_STRETCHED:
        return rect;
    case BITMAP_CENTERED: {
        LONG left = rect.left + (rect.right - rect.left - size.cx) / 2;
        LONG top = rect.top + (rect.bottom - rect.top - size.cy) / 2;
        return RECT{left, top, left + size.cx, top + size.cy};
    }
    default:
        return RECT{rect.left, rect.top, rect.left + size.cx, rect.top + size.cy};
    }
}

void CTransStaticBmp::DrawContent(HDC dc, const RECT& rect) {
    if (!m_bitmap.IsValid())
        return;
    RECT place = PlaceBitmap(rect);
    if (m_style == BITMAP_STRETCHED)
        DrawTransparentBitmap(dc, m_bitmap, place, m_key);
    else
        DrawTransparentBitmap(dc, m_bitmap, place.left, place.top, m_key);
}

BOOL transbkstatic::Init(UINT controlId, CWnd* parent) {
    BOOL bound = Bind(controlId, parent);
    if (!bound)
        LogMissing("transbkstatic::Init() no control", controlId);
    return bound;
}

void transbkstatic::SetBold(BOOL bold) {
    m_bold = bold != FALSE;
    RebuildFont();
}

void transbkstatic::SetPointSize(int tenths) {
    m_pointTenths = std::max(0, tenths);
    RebuildFont();
}

void transbkstatic::SetTextColor(COLORREF color) {
    m_color = color;
    if (m_hWnd)
        Invalidate(FALSE);
}

void transbkstatic::SetAlignment(int alignment) {
    m_alignment = alignment == ALIGN_RIGHT || alignment == ALIGN_CENTER ? alignment : ALIGN_LEFT;
    if (m_hWnd)
        Invalidate(FALSE);
}

HFONT transbkstatic::GetDrawFont() const {
    if (m_font.IsValid())
        return m_font;
    HFONT font = m_hWnd ? GetFont() : nullptr;
    return font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void transbkstatic::RebuildFont() {
    m_font.DeleteObject();
    if (m_bold || m_pointTenths > 0) {
        // The dialog's face, at its own size unless one is given.
        LOGFONTA base{};
        HFONT dialogFont = m_hWnd ? GetFont() : nullptr;
        CFontHandle(dialogFont ? dialogFont
                               : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)))
            .GetLogFont(base);
        int tenths = m_pointTenths;
        if (tenths <= 0)
            tenths = ::MulDiv(std::abs(base.lfHeight), 720, vqtr::gdi::ScreenPixelsPerInch());
        m_font.CreateFont(tenths, m_bold, base.lfFaceName);
    }
    if (m_hWnd)
        Invalidate(FALSE);
}

void transbkstatic::DrawContent(HDC dc, const RECT& rect) {
    CString text = GetText();
    if (text.IsEmpty())
        return;
    CDC target(dc);
    CSelectObject font(dc, GetDrawFont());
    target.SetBkMode(TRANSPARENT);
    target.SetTextColor(IsWindowEnabled() ? m_color : ::GetSysColor(COLOR_GRAYTEXT));
    UINT format = DT_WORDBREAK | DT_NOPREFIX;
    if (m_alignment == ALIGN_CENTER)
        format |= DT_CENTER;
    else if (m_alignment == ALIGN_RIGHT)
        format |= DT_RIGHT;
    RECT area = rect;
    target.DrawText(text, &area, format);
}

BOOL TransStaticEdit::Init(UINT controlId, CWnd* parent) {
    if (!parent || !SubclassDlgItem(controlId, *parent)) {
        CDrawnControl::LogMissing("TransStaticEdit::Init() no control", controlId);
        return FALSE;
    }
    SendMessage(EM_SETREADONLY, TRUE);
    ModifyStyle(WS_BORDER, 0);
    ModifyStyleEx(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    Invalidate();
    return TRUE;
}

void TransStaticEdit::SetText(const CString& text) {
    if (m_hWnd)
        SetWindowText(text);
}

void TransStaticEdit::SetTextColor(COLORREF color) {
    m_color = color;
    if (m_hWnd)
        Invalidate();
}

void TransStaticEdit::SetBkColor(COLORREF color) {
    m_background = color;
    m_brush.DeleteObject();
    if (m_hWnd)
        Invalidate();
}

bool TransStaticEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // A read-only edit asks for the static colours; an enabled one for the edit colours.
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT)
        return false;
    if (!m_brush.IsValid())
        m_brush.CreateSolidBrush(m_background);
    CDC dc(reinterpret_cast<HDC>(wParam));
    dc.SetTextColor(m_color);
    dc.SetBkColor(m_background);
    result = reinterpret_cast<LRESULT>(m_brush.Get());
    return true;
}
