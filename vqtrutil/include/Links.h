// Links: statics that act like buttons. A click (or Space, or Enter turned into Space by the
// page) posts WM_COMMAND (BN_CLICKED) with the link's id to the parent, which decides what the
// link does; the hand cursor and an underline show under the mouse.
//
// A link shows its text, or a picture and its text: normal, hover and pressed pictures at the
// control's top-left with the text beside them (SetTextOffset), and a disabled picture and text
// colour for the disabled style, in which clicks do nothing. A disabled window looks the same.
#pragma once

#include "DrawnControl.h"
#include "UtilApi.h"

#include <CString.h>
#include <Gdi.h>
#include <SharedBitmap.h>
#include <qor.h>
#include <windows.h>
#include <commctrl.h> // CLR_NONE
#include <htmlhelp.h>

class VQTRUTIL_API CGUILink : public CDrawnStatic {
public:
    BOOL Init(UINT controlId, CWnd* parent);

    void SetTextColor(COLORREF color);
    void SetHoverColor(COLORREF color);

    // Pictures of the current resource module (0: none; a missing pressed picture uses the
    // hover one). key is the transparent colour; textBackground fills behind the text (CLR_NONE:
    // the page shows through).
    BOOL SetBitmaps(UINT normal, UINT hover, UINT pressed = 0, COLORREF key = RGB(0, 255, 0),
                    COLORREF textBackground = CLR_NONE);
    // Pictures made by the caller, owned by the link from then on (null: none).
    BOOL SetBitmaps(HBITMAP normal, HBITMAP hover, HBITMAP pressed, COLORREF key,
                    COLORREF textBackground = CLR_NONE);
    BOOL SetDisabledBitmap(UINT bitmapId, COLORREF key, COLORREF textColor);
    // Where the text starts, from the control's top-left (without a call: beside the picture).
    void SetTextOffset(int x, int y);
    // DrawText flags of the text (0: left, top, line breaks only at line ends; DT_WORDBREAK
    // breaks long lines; DT_CENTER, DT_RIGHT, ...).
    void SetAlignment(UINT drawTextFlags);
    // The disabled look; clicks and keys do nothing while it is set.
    void SetDisabledStyle(BOOL disabled);
    BOOL IsDisabledStyle() const { return m_disabledStyle; }

    BOOL IsHovering() const { return m_hovering; }
    // Drops the hover look (the page saw the mouse released elsewhere).
    void ResetHover();
    // What a click does: WM_COMMAND to the parent, unless disabled.
    BOOL Click();

    // A file shown through the shell's "open" verb (an .htm page beside the module, ...).
    static void FollowFileLink(const char* path, HWND owner = nullptr);

protected:
    void DrawContent(HDC dc, const RECT& rect) override;
    // The window that owns what a link opens.
    HWND GetOwnerWindow() const;

    LRESULT OnNcHitTest(WPARAM, LPARAM) { return HTCLIENT; }
    BOOL OnSetCursor(HWND, UINT hitTest, UINT message);
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    void OnMouseMove(UINT flags, POINT point);
    void OnMouseLeave();
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnSetFocus(HWND) { Invalidate(FALSE); }
    void OnKillFocus(HWND) { Invalidate(FALSE); }
    DECLARE_MESSAGE_MAP()

private:
    bool IsDisabledLook() const;
    HFONT GetUnderlineFont();

    CSharedBitmap m_bmpNormal;
    CSharedBitmap m_bmpHover;
    CSharedBitmap m_bmpPressed;
    CSharedBitmap m_bmpDisabled;
    COLORREF m_key = RGB(0, 255, 0);
    COLORREF m_disabledKey = RGB(0, 255, 0);
    COLORREF m_textBackground = CLR_NONE;
    COLORREF m_color = RGB(0, 0, 0xCC);
    COLORREF m_hoverColor = RGB(0, 0, 0xCC);
    COLORREF m_disabledColor = CLR_NONE;
    POINT m_textOffset{0, 0};
    bool m_textOffsetSet = false;
    UINT m_flags = 0;
    BOOL m_disabledStyle = FALSE;
    bool m_hoverState = false;
    BOOL m_hovering = FALSE;
    bool m_pressedState = false;
    CFont m_underline;
    HFONT m_underlineFrom = nullptr;
};

// A link to a web page of the maker. The address is the option's text (an "IDO_..._SUBURL"):
// an absolute address ("https://...") as it stands, otherwise appended to the web base, which
// is the option IDO_WEB_BASE_URL or else kDefaultWebBase. With an ink record the cartridges
// follow as query parameters ("carrier=2&cart1=80&cart2=48", logical ids; no cart2 on a
// one-position carrier); with addLocale the user's locale text follows ("lc=00000409").
class VQTRUTIL_API CGUIUrlLink : public CGUILink {
public:
    static constexpr const char* kDefaultWebBase = "https://www.corvane.example/";

    // Opens the address of the option; FALSE (logged) when the option is missing or empty.
    BOOL FollowLink(const char* subUrlOptionKey, BOOL addLocale);
    BOOL FollowLink(const char* subUrlOptionKey, INKINFO* ink, BOOL addLocale);
    // The address FollowLink opens; empty when the option is missing or empty.
    static CString BuildAddress(const char* subUrlOptionKey, const INKINFO* ink, BOOL addLocale);

    // Whether an address may go to the shell as a link: "http:", "https:" or "mailto:" (in any
    // case), at most kMaxAddress characters. Anything else (a program, a file, another scheme
    // from an edited options file) is refused.
    static constexpr size_t kMaxAddress = 2048;
    static bool IsWebAddress(const char* address);

    // A whole web address (IsWebAddress), opened with the shell's default verb and a show mode;
    // FALSE, logged, for any other.
    static BOOL GotoURL(const char* address, int showMode = SW_SHOWNORMAL, HWND owner = nullptr);
    // A whole web address, opened with the "open" verb, for platforms where the default verb of
    // a file link does nothing.
    static BOOL GotoURLManually(const char* address, HWND owner = nullptr);
};

// A link that opens a help topic when its page asks.
class VQTRUTIL_API CGUIHelpLink : public CGUILink {
public:
    // The topic of helpFile with the help command (1 as the pages use it), owned by the page.
    // The viewer finds the topic by its number in the help file's context map.
    void ShowHelp(const char* helpFile, DWORD topic, UINT command = HH_HELP_CONTEXT);
};

// A link that starts a wizard: its page acts on the command; SetDisabledStyle greys it where the
// connection cannot run the wizard.
class VQTRUTIL_API CGUIWizardLink : public CGUILink {};
