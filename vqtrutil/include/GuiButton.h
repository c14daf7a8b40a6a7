// Drawn push buttons bound to dialog buttons. They are made owner-drawn and paint themselves
// when their parent reflects WM_DRAWITEM to them; they keep the keyboard of a push button (Space
// presses, and the pages turn Enter into Space), track the mouse for a hover look, and draw a
// focus rectangle while focused.
#pragma once

#include "DrawnControl.h"
#include "UtilApi.h"

#include <CString.h>
#include <Gdi.h>
#include <SharedBitmap.h>
#include <windows.h>

class VQTRUTIL_API CDrawnButton : public CDrawnControl {
public:
    // The text drawn on the face is the button's window text.
    void SetText(const CString& text);
    CString GetText() const { return GetWindowText(); }
    void SetTextColor(COLORREF color);
    void SetHoverTextColor(COLORREF color);
    BOOL IsHovering() const { return m_hover; }

    struct State {
        bool pressed;
        bool focused;
        bool disabled;
        bool hover;
    };
    State GetState() const;

protected:
    // Binds the button and makes it owner-drawn.
    BOOL BindButton(UINT controlId, CWnd* parent);
    // The face's text, centred in rect, in the colour of the state.
    void DrawLabel(HDC dc, const RECT& rect, const State& state) const;

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnMouseMove(UINT flags, POINT point);
    void OnMouseLeave();
    BOOL OnEraseBkgnd(HDC) { return TRUE; }
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnDoubleClick(WPARAM flags, LPARAM point);
    DECLARE_MESSAGE_MAP()

    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_hoverColor = RGB(0, 0, 0);

private:
    bool m_hover = false;
};

// A bitmap button with text: the normal bitmap, the pressed one while pressed; the text centred
// over it (pressed: one pixel down and right), grey when disabled, in the hover colour under the
// mouse.
class VQTRUTIL_API CGUIButton : public CDrawnButton {
public:
    // Bitmaps of the current resource module; key is the transparent colour. FALSE when the
    // control or a bitmap is missing (logged; a missing bitmap draws the text alone).
    BOOL Init(UINT controlId, CWnd* parent, UINT bitmapNormal, UINT bitmapPressed,
              COLORREF key = RGB(0, 255, 0));
    // Bitmaps made by the caller, owned by the button from then on.
    BOOL Init(UINT controlId, CWnd* parent, HBITMAP bitmapNormal, HBITMAP bitmapPressed,
              COLORREF key = RGB(0, 255, 0));
    // TRUE: the bitmap is stretched over the whole button; FALSE: natural size, centred.
    void SetOverlap(BOOL overlap);
    BOOL GetOverlap() const { return m_overlap; }

protected:
    void DrawContent(HDC dc, const RECT& rect) override;
    // The face with one of the bitmaps.
    void DrawFace(HDC dc, const RECT& rect, HBITMAP bitmap, const State& state) const;
    // Loads a bitmap into holder, logging a missing one.
    static bool LoadInto(CSharedBitmap& holder, UINT bitmapId);

    CSharedBitmap m_normal;
    CSharedBitmap m_pressed;
    COLORREF m_key = RGB(0, 255, 0);
    BOOL m_overlap = FALSE;
};

// A flat button in the skin's colours (no bitmaps).
class VQTRUTIL_API COwnButton : public CDrawnButton {
public:
    BOOL Init(UINT controlId, CWnd* parent);
    void SetColors(COLORREF face, COLORREF frame, COLORREF pressedFace);

protected:
    void DrawContent(HDC dc, const RECT& rect) override;

private:
    COLORREF m_face = RGB(0xF4, 0xF4, 0xF4);
    COLORREF m_frame = RGB(0xE7, 0x18, 0x18);
    COLORREF m_pressedFace = RGB(0xFB, 0xD8, 0xD8);
};
