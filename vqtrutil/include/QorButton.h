// A navigation button of the main window: raised, lowered (its page is the current one) and
// hovered pictures, and a persistent description beside it: a small label in the colours of a
// tool tip, put at the button's top-left corner plus an offset, shown until hidden (no hover tip).
#pragma once

#include "DrawnControl.h"
#include "GuiButton.h"
#include "UtilApi.h"

#include <Gdi.h>
#include <windows.h>

// The description: a child window of the button's parent, above the buttons. A child moves
// with its dialog and stays behind other programs' windows, where a tool tip popup would float
// over them; clicks and the mouse pass through it to the button under it.
class VQTRUTIL_API CNavigationTip : public CDrawnStatic {
public:
    CNavigationTip() = default;
    ~CNavigationTip() override;

    // Makes the hidden label in parent with its text and its top-left corner at position (in
    // parent's client area), sized to fit the text.
    BOOL Create(HWND parent, const CString& text, POINT position);
    // A new text; the label fits itself to it.
    void SetTipText(const CString& text);
    // Puts the label's top-left corner at a point of the parent's client area.
    void MoveTo(POINT position);

protected:
    void DrawContent(HDC dc, const RECT& rect) override;
    bool IsOpaque() const override { return true; }

private:
    // The label's size for a text: the text with its padding and frame.
    SIZE FittingSize(const CString& text) const;
};

class VQTRUTIL_API CQORButton : public CGUIButton {
public:
    BOOL Init(UINT controlId, CWnd* parent, UINT bitmapUp, UINT bitmapDown, UINT bitmapHover);
    // Bitmaps made by the caller, owned by the button from then on.
    BOOL Init(UINT controlId, CWnd* parent, HBITMAP bitmapUp, HBITMAP bitmapDown,
              HBITMAP bitmapHover, COLORREF key = RGB(0, 255, 0));

    // The description's text and offset; its window is made when it is first shown.
    void SetToolTip(const CString& text, int offsetX, int offsetY);
    // Moves the description to the button's place now plus a new offset.
    void RepositionToolTip(int offsetX, int offsetY);
    void ShowToolTip(BOOL show);
    BOOL IsToolTipShown() const { return m_toolTipShown; }
    // Null until the description was first shown.
    HWND GetToolTipWindow() const { return m_toolTip.GetSafeHwnd(); }

    void Lower();
    void Raise();
    BOOL IsLowered() const { return m_lowered; }

protected:
    void DrawContent(HDC dc, const RECT& rect) override;

private:
    void SetLowered(bool lowered);
    // Makes the description's window (hidden); a failure is logged.
    void MakeToolTip();
    // Where the description's top-left corner goes now, in the parent's client area.
    POINT ToolTipPlace() const;

    CSharedBitmap m_hoverBitmap;
    CNavigationTip m_toolTip;
    CString m_toolTipText;
    bool m_toolTipSet = false;
    POINT m_offset{0, 0};
    bool m_toolTipShown = false;
    bool m_lowered = false;
};
