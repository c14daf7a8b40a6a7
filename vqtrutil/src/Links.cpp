#include "Links.h"

#include "CSpy.h"
#include "NvoProduct.h"
#include "Operations.h"

#include <cstring>

namespace {
// Loads an optional picture (0: none) into holder; false when one was asked for and is missing.
bool LoadOptional(CSharedBitmap& holder, UINT bitmapId) {
    holder.Release();
    if (!bitmapId)
        return true;
    if (holder.Load(bitmapId))
        return true;
    CDrawnControl::LogMissing("CGUILink::SetBitmaps() bitmap not found", bitmapId);
    return false;
}

CString AppendQuery(CString address, const CString& parameter) {
    address += address.Find('?') >= 0 ? "&" : "?";
    address += parameter;
    return address;
}
} // namespace

BEGIN_MESSAGE_MAP(CGUILink, CDrawnStatic)
ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CGUILink::Init(UINT controlId, CWnd* parent) {
    if (!Bind(controlId, parent)) {
        LogMissing("CGUILink::Init() no control", controlId);
        return FALSE;
    }
    return TRUE;
}

void CGUILink::SetTextColor(COLORREF color) {
    m_color = color;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CGUILink::SetHoverColor(COLORREF color) {
    m_hoverColor = color;
    if (m_hWnd)
        Invalidate(FALSE);
}

BOOL CGUILink::SetBitmaps(UINT normal, UINT hover, UINT pressed, COLORREF key,
                          COLORREF textBackground) {
    bool loaded = LoadOptional(m_bmpNormal, normal);
    loaded = LoadOptional(m_bmpHover, hover) && loaded;
    loaded = LoadOptional(m_bmpPressed, pressed) && loaded;
    m_key = key;
    m_textBackground = textBackground;
    if (m_hWnd)
        Invalidate(FALSE);
    return loaded;
}

BOOL CGUILink::SetBitmaps(HBITMAP normal, HBITMAP hover, HBITMAP pressed, COLORREF key,
                          COLORREF textBackground) {
    m_bmpNormal = CSharedBitmap(normal);
    m_bmpHover = CSharedBitmap(hover);
    m_bmpPressed = CSharedBitmap(pressed);
    m_key = key;
    m_textBackground = textBackground;
    if (m_hWnd)
        Invalidate(FALSE);
    return TRUE;
}

BOOL CGUILink::SetDisabledBitmap(UINT bitmapId, COLORREF key, COLORREF textColor) {
    bool loaded = LoadOptional(m_bmpDisabled, bitmapId);
    m_disabledKey = key;
    m_disabledColor = textColor;
    if (m_hWnd)
        Invalidate(FALSE);
    return loaded;
}

void CGUILink::SetTextOffset(int x, int y) {
    m_textOffset = POINT{x, y};
    m_textOffsetSet = true;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CGUILink::SetAlignment(UINT drawTextFlags) {
    m_flags = drawTextFlags;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CGUILink::SetDisabledStyle(BOOL disabled) {
    m_disabledStyle = disabled != FALSE;
    if (m_disabledStyle)
        ResetHover();
    if (m_hWnd)
        Invalidate(FALSE);
}

bool CGUILink::IsDisabledLook() const {
    return m_disabledStyle || (m_hWnd && !IsWindowEnabled());
}

void CGUILink::ResetHover() {
    if (!m_hovering && !m_pressedState)
        return;
    m_hovering = FALSE;
    m_hoverState = false;
    m_pressedState = false;
    if (m_hWnd)
        Invalidate(FALSE);
}

BOOL CGUILink::Click() {
    if (!m_hWnd || IsDisabledLook())
        return FALSE;
    HWND parent = ::GetParent(m_hWnd);
    if (!parent)
        return FALSE;
    return ::PostMessageA(parent, WM_COMMAND,
                          MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                          reinterpret_cast<LPARAM>(m_hWnd));
}

HWND CGUILink::GetOwnerWindow() const {
    return m_hWnd ? ::GetAncestor(m_hWnd, GA_ROOT) : nullptr;
}

void CGUILink::FollowFileLink(const char* path, HWND owner) {
    if (!path || !*path) {
        CSpy().OutputData("CGUILink::FollowFileLink() no file");
        return;
    }
    UtilShellOpen(owner, path, "open", SW_SHOWNORMAL);
}

BOOL CGUILink::OnSetCursor(HWND, UINT hitTest, UINT) {
    if (hitTest != HTCLIENT || IsDisabledLook())
        return static_cast<BOOL>(Default());
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649))); // IDC_HAND
    return TRUE;
}

void CGUILink::OnLButtonDown(UINT, POINT) {
    if (IsDisabledLook())
        return;
    m_pressedState = true;
    ::SetCapture(m_hWnd);
    Invalidate(FALSE);
}

void CGUILink::OnLButtonUp(UINT, POINT point) {
    if (!m_pressedState)
        return;
    m_pressedState = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    Invalidate(FALSE);
    RECT client = GetClientRect();
    if (::PtInRect(&client, point))
        Click();
}

void CGUILink::OnMouseMove(UINT, POINT) {
    if (m_hoverState || IsDisabledLook())
        return;
    m_hoverState = true;
    m_hovering = TRUE;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
    Invalidate(FALSE);
}

void CGUILink::OnMouseLeave() {
    m_hoverState = false;
    m_hovering = FALSE;
    Invalidate(FALSE);
}

LRESULT CGUILink::OnCaptureChanged(WPARAM, LPARAM) {
    if (m_pressedState) {
        m_pressedState = false;
        Invalidate(FALSE);
    }
    return 0;
}

void CGUILink::OnKeyDown(UINT key, UINT, UINT) {
    if (key == VK_SPACE || key == VK_RETURN)
        Click();
    else
        Default();
}

HFONT CGUILink::GetUnderlineFont() {
    HFONT base = GetFont();
    if (!base)
        base = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (!m_underline.IsValid() || m_underlineFrom != base) {
        LOGFONTA logFont{};
        CFontHandle(base).GetLogFont(logFont);
        logFont.lfUnderline = TRUE;
        m_underline.CreateFontIndirect(logFont);
        m_underlineFrom = base;
    }
    return m_underline.IsValid() ? m_underline.Get() : base;
}

void CGUILink::DrawContent(HDC dc, const RECT& rect) {
    CDC target(dc);
    bool disabled = IsDisabledLook();
    HBITMAP picture = m_bmpNormal;
    COLORREF key = m_key;
    if (disabled && m_bmpDisabled.IsValid()) {
        picture = m_bmpDisabled;
        key = m_disabledKey;
    } else if (!disabled && m_pressedState && (m_bmpPressed.IsValid() || m_bmpHover.IsValid())) {
        picture = m_bmpPressed.IsValid() ? m_bmpPressed.Get() : m_bmpHover.Get();
    } else if (!disabled && m_hovering && m_bmpHover.IsValid()) {
        picture = m_bmpHover;
    }
    SIZE pictureSize = CBitmapHandle(picture).GetSize();
    if (pictureSize.cx > 0)
        DrawTransparentBitmap(dc, picture, rect.left, rect.top, key);

    CString text = GetText();
    if (text.IsEmpty())
        return;
    POINT offset = m_textOffset;
    if (!m_textOffsetSet && pictureSize.cx > 0)
        offset = POINT{pictureSize.cx + 4, 0};
    RECT area{rect.left + offset.x, rect.top + offset.y, rect.right, rect.bottom};
    HFONT font = m_hovering && !disabled ? GetUnderlineFont() : GetFont();
    CSelectObject selectFont(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    UINT format = m_flags | DT_NOPREFIX;
    if (m_textBackground != CLR_NONE) {
        RECT extent = area;
        target.DrawText(text, &extent, format | DT_CALCRECT);
        target.FillSolidRect(extent, m_textBackground);
    }
    COLORREF color = m_hovering ? m_hoverColor : m_color;
    if (disabled)
        color = m_disabledColor != CLR_NONE ? m_disabledColor : ::GetSysColor(COLOR_GRAYTEXT);
    target.SetBkMode(TRANSPARENT);
    target.SetTextColor(color);
    target.DrawText(text, &area, format);
    if (::GetFocus() == m_hWnd) {
        RECT focus = area;
        target.DrawText(text, &focus, format | DT_CALCRECT);
        ::InflateRect(&focus, 1, 1);
        target.SetTextColor(RGB(0, 0, 0));
        target.SetBkColor(RGB(255, 255, 255));
        target.DrawFocusRect(focus);
    }
}

CString CGUIUrlLink::BuildAddress(const char* subUrlOptionKey, const INKINFO* ink, BOOL addLocale) {
    NvoProduct product;
    CString sub;
    if (!subUrlOptionKey || !product.GetSetting(subUrlOptionKey, sub))
        return CString();
    sub.Trim();
    if (sub.IsEmpty())
        return CString();
    CString address;
    if (sub.Find("://") >= 0) {
        address = sub;
    } else {
        CString base;
        if (!product.GetSetting("IDO_WEB_BASE_URL", base) || base.Trim().IsEmpty())
            base = kDefaultWebBase;
        while (!base.IsEmpty() && base[base.GetLength() - 1] == '/')
            base = base.Left(base.GetLength() - 1);
        while (!sub.IsEmpty() && sub[0] == '/')
            sub = sub.Mid(1);
        address = base + "/" + sub;
    }
    if (ink) {
        CString cartridges;
        cartridges.Format("carrier=%lu&cart1=%lu", ink->dwCarrierType, ink->LogCartID1);
        if (ink->dwCarrierType != QOR_CARRIER_SINGLE) {
            CString second;
            second.Format("&cart2=%lu", ink->LogCartID2);
            cartridges += second;
        }
        address = AppendQuery(address, cartridges);
    }
    if (addLocale) {
        char locale[16] = {};
        if (UtilGetLocaleText(locale, sizeof(locale), nullptr, 0) > 0)
            address = AppendQuery(address, CString("lc=") + locale);
    }
    return address;
}

BOOL CGUIUrlLink::FollowLink(const char* subUrlOptionKey, BOOL addLocale) {
    return FollowLink(subUrlOptionKey, nullptr, addLocale);
}

BOOL CGUIUrlLink::FollowLink(const char* subUrlOptionKey, INKINFO* ink, BOOL addLocale) {
    CString address = BuildAddress(subUrlOptionKey, ink, addLocale);
    CSpy spy;
    spy.OutputData("CGUIUrlLink::FollowLink()");
    if (address.IsEmpty()) {
        spy.OutputData("no address for the option");
        spy.OutputData(subUrlOptionKey);
        return FALSE;
    }
    spy.OutputData(address);
    return GotoURL(address, SW_SHOWNORMAL, GetOwnerWindow());
}

bool CGUIUrlLink::IsWebAddress(const char* address) {
    if (!address)
        return false;
    size_t length = ::strnlen(address, kMaxAddress + 1);
    if (length == 0 || length > kMaxAddress)
        return false;
    for (const char* scheme : {"http:", "https:", "mailto:"})
        if (::_strnicmp(address, scheme, std::strlen(scheme)) == 0)
            return true;
    return false;
}

namespace {
BOOL OpenWebAddress(const char* address, const char* verb, int showMode, HWND owner) {
    if (!CGUIUrlLink::IsWebAddress(address)) {
        CSpy spy;
        spy.OutputError("CGUIUrlLink: not a web address, not opened");
        if (address)
            spy.OutputData(CString(address, static_cast<int>(::strnlen(address, 80))));
        return FALSE;
    }
    UtilShellOpen(owner, address, verb, showMode);
    return TRUE;
}
} // namespace

BOOL CGUIUrlLink::GotoURL(const char* address, int showMode, HWND owner) {
    return OpenWebAddress(address, nullptr, showMode, owner);
}

BOOL CGUIUrlLink::GotoURLManually(const char* address, HWND owner) {
    return OpenWebAddress(address, "open", SW_SHOWNORMAL, owner);
}

void CGUIHelpLink::ShowHelp(const char* helpFile, DWORD topic, UINT command) {
    UtilShowHelp(GetOwnerWindow(), helpFile, command, topic, 0);
}
