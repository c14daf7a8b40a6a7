#include "QorButton.h"

#include "CSpy.h"

namespace {
// Room between the label's frame and its text, as a tool tip leaves it.
constexpr int kPaddingX = 4;
constexpr int kPaddingY = 2;
constexpr int kFrame = 1;

// The tool tip font (the system's status font), made once for every description: reading the
// system's metrics takes milliseconds.
HFONT TipFont() {
    static const CFont font = [] {
        CFont made;
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            made.CreateFontIndirect(metrics.lfStatusFont);
        return made;
    }();
    return font.IsValid() ? font.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}
} // namespace

CNavigationTip::~CNavigationTip() {
    // The label goes with its button; unbound first, so that no message reaches this object.
    if (HWND hwnd = UnsubclassWindow())
        ::DestroyWindow(hwnd);
}

BOOL CNavigationTip::Create(HWND parent, const CString& text, POINT position) {
    if (m_hWnd || !parent)
        return FALSE;
    // Made in place and to size; shown by the caller, above its siblings.
    SIZE size = FittingSize(text);
    HWND hwnd = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | SS_LEFT | SS_NOPREFIX, position.x,
                                  position.y, size.cx, size.cy, parent, nullptr, nullptr, nullptr);
    if (!hwnd || !SubclassWindow(hwnd)) {
        if (hwnd)
            ::DestroyWindow(hwnd);
        return FALSE;
    }
    return TRUE;
}

SIZE CNavigationTip::FittingSize(const CString& text) const {
    CCompatibleDC measure;
    CSelectObject font(measure, TipFont());
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(measure, text, text.GetLength(), &size);
    return SIZE{size.cx + 2 * (kPaddingX + kFrame), size.cy + 2 * (kPaddingY + kFrame)};
}

void CNavigationTip::SetTipText(const CString& text) {
    if (!m_hWnd)
        return;
    SetText(text);
    SIZE size = FittingSize(text);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CNavigationTip::MoveTo(POINT position) {
    if (!m_hWnd)
        return;
    RECT now = GetRectInParent();
    if (now.left != position.x || now.top != position.y)
        SetWindowPos(nullptr, position.x, position.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CNavigationTip::DrawContent(HDC dc, const RECT& rect) {
    CDC target(dc);
    target.FillRect(rect, ::GetSysColorBrush(COLOR_INFOBK));
    target.FrameRect(rect, ::GetSysColorBrush(COLOR_WINDOWFRAME));
    CSelectObject font(dc, TipFont());
    target.SetBkMode(TRANSPARENT);
    target.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    RECT area = rect;
    target.DrawText(GetText(), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

BOOL CQORButton::Init(UINT controlId, CWnd* parent, UINT bitmapUp, UINT bitmapDown,
                      UINT bitmapHover) {
    BOOL loaded = LoadInto(m_hoverBitmap, bitmapHover);
    return CGUIButton::Init(controlId, parent, bitmapUp, bitmapDown) && loaded;
}

BOOL CQORButton::Init(UINT controlId, CWnd* parent, HBITMAP bitmapUp, HBITMAP bitmapDown,
                      HBITMAP bitmapHover, COLORREF key) {
    m_hoverBitmap = CSharedBitmap(bitmapHover);
    return CGUIButton::Init(controlId, parent, bitmapUp, bitmapDown, key) &&
           m_hoverBitmap.IsValid();
}

void CQORButton::SetToolTip(const CString& text, int offsetX, int offsetY) {
    if (!m_hWnd) {
        CSpy().OutputData("CQORButton::SetToolTip() the button is not bound");
        return;
    }
    m_toolTipText = text;
    m_toolTipSet = true;
    if (m_toolTip.IsWindow())
        m_toolTip.SetTipText(text);
    RepositionToolTip(offsetX, offsetY);
}

void CQORButton::MakeToolTip() {
    if (!m_toolTipSet || !m_hWnd)
        return;
    if (!m_toolTip.Create(::GetParent(m_hWnd), m_toolTipText, ToolTipPlace())) {
        CSpy().OutputData("CQORButton::ShowToolTip() the description could not be made");
        return;
    }
    // The button leaves the description's pixels alone when it repaints under it.
    ModifyStyle(0, WS_CLIPSIBLINGS);
}

POINT CQORButton::ToolTipPlace() const {
    RECT button = GetRectInParent();
    return POINT{button.left + m_offset.x, button.top + m_offset.y};
}

void CQORButton::RepositionToolTip(int offsetX, int offsetY) {
    m_offset = POINT{offsetX, offsetY};
    if (m_toolTip.IsWindow())
        m_toolTip.MoveTo(ToolTipPlace());
}

void CQORButton::ShowToolTip(BOOL show) {
    // Made when first shown: most buttons' descriptions never are.
    if (show && !m_toolTip.IsWindow())
        MakeToolTip();
    if (!m_toolTip.IsWindow()) {
        m_toolTipShown = false;
        return;
    }
    // Above the buttons, whichever of them was put on top since.
    if (show)
        m_toolTip.SetWindowPos(HWND_TOP, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else if (m_toolTip.GetStyle() & WS_VISIBLE)
        m_toolTip.ShowWindow(SW_HIDE);
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
