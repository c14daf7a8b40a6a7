// The base of the drawn controls: a control of a dialog, bound by SubclassDlgItem, that draws
// itself over what its parent shows (a transparent look), either in its own painting or into a
// parent's device context when a page paints everything into one memory DC.
#pragma once

#include "UtilApi.h"

#include <Wnd.h>
#include <windows.h>

class VQTRUTIL_API CDrawnControl : public CWnd {
public:
    // Binds the control of parent with this id; FALSE when there is no such control or it is
    // bound already.
    BOOL Bind(UINT controlId, CWnd* parent);
    // Draws into a DC of the parent (its client coordinates) at the control's place; nothing
    // when the control is hidden or not bound.
    void Draw(HDC parentDC);
    // The control's rectangle in its parent's client coordinates (empty when not bound).
    RECT GetRectInParent() const;

    // Paints what parent shows under the area of control into dc, where rect is the control's
    // client area in dc's coordinates. The parent paints through WM_ERASEBKGND.
    static void PaintParentBackground(HWND control, HDC dc, const RECT& rect);

    // Logs a control, string or picture that a control was given and could not find.
    static void LogMissing(const char* where, UINT id);

protected:
    // The control's face in rect of dc; the background is already there.
    virtual void DrawContent(HDC dc, const RECT& rect) = 0;
    // A control whose face covers its whole rectangle needs nothing of its parent under it.
    virtual bool IsOpaque() const { return false; }
    // Draws background and face into target through an off-screen buffer.
    void PaintBuffered(HDC target, const RECT& rect);
};

// A drawn control that paints itself in WM_PAINT (statics and links).
class VQTRUTIL_API CDrawnStatic : public CDrawnControl {
public:
    // The text is the control's window text, so that it can be read back as any control's.
    void SetText(const CString& text);
    // A string of the current resource module (a missing one is logged and leaves the text).
    BOOL SetTextId(UINT stringId);
    CString GetText() const { return GetWindowText(); }

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(HDC) { return TRUE; }
    // A static would paint its own face at once on these; the text is stored and the face
    // drawn by OnPaint instead.
    LRESULT OnSetText(WPARAM, LPARAM text);
    LRESULT OnEnable(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
