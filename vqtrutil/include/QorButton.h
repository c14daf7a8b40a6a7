// A navigation button of the main window: raised, lowered (its page is the current one) and
// hovered pictures, and a persistent label beside it: a tracking tool tip put at the button's
// top-left corner on the screen plus an offset, shown until hidden (no hover tool tip).
#pragma once

#include "GuiButton.h"
#include "UtilApi.h"

#include <Controls.h>
#include <windows.h>

class VQTRUTIL_API CQORButton : public CGUIButton {
public:
    BOOL Init(UINT controlId, CWnd* parent, UINT bitmapUp, UINT bitmapDown, UINT bitmapHover);
    // Bitmaps made by the caller, owned by the button from then on.
    BOOL Init(UINT controlId, CWnd* parent, HBITMAP bitmapUp, HBITMAP bitmapDown,
              HBITMAP bitmapHover, COLORREF key = RGB(0, 255, 0));

    // Makes the label (hidden until ShowToolTip) with its text and offset.
    void SetToolTip(const CString& text, int offsetX, int offsetY);
    // Moves the label to the button's place now plus a new offset (after the window moved).
    void RepositionToolTip(int offsetX, int offsetY);
    void ShowToolTip(BOOL show);
    BOOL IsToolTipShown() const { return m_toolTipShown; }
    HWND GetToolTipWindow() const { return m_toolTip.GetSafeHwnd(); }
    // Where the label's top-left corner goes now, in screen coordinates.
    POINT GetToolTipPosition() const;

    void Lower();
    void Raise();
    BOOL IsLowered() const { return m_lowered; }

protected:
    void DrawContent(HDC dc, const RECT& rect) override;

private:
    static constexpr UINT_PTR kToolId = 1;
    void SetLowered(bool lowered);

    CBitmap m_hoverBitmap;
    CToolTipCtrl m_toolTip;
    POINT m_offset{0, 0};
    bool m_toolTipShown = false;
    bool m_lowered = false;
};
