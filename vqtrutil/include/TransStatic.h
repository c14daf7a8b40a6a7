// Statics that show the page under them: a bitmap with a transparent key colour, a text with its
// own font and colour, and a read-only multi-line text without border or background of its own.
#pragma once

#include "DrawnControl.h"
#include "GuiFont.h"
#include "UtilApi.h"

#include <CString.h>
#include <Gdi.h>
#include <SharedBitmap.h>
#include <windows.h>

// How a bitmap sits in its control.
enum BitmapStyle {
    BITMAP_TOPLEFT = 0,  // natural size at the control's top-left corner
    BITMAP_CENTERED = 1, // natural size, centred in the control
    BITMAP_STRETCHED = 2 // stretched to the control
};

class VQTRUTIL_API CTransStaticBmp : public CDrawnStatic {
public:
    // A bitmap of the current resource module; style is a BitmapStyle. FALSE when the control
    // or the bitmap is missing (a missing bitmap is logged and draws nothing).
    BOOL Init(UINT controlId, CWnd* parent, UINT bitmapId, COLORREF key = RGB(0, 255, 0),
              int style = BITMAP_TOPLEFT);
    // A bitmap made by the caller, which this control then owns.
    BOOL Init(UINT controlId, CWnd* parent, HBITMAP bitmap, COLORREF key = RGB(0, 255, 0),
              int style = BITMAP_TOPLEFT);
    BOOL SetBitmap(UINT bitmapId, COLORREF key = RGB(0, 255, 0), int style = BITMAP_TOPLEFT);
    BOOL SetBitmap(HBITMAP bitmap, COLORREF key = RGB(0, 255, 0), int style = BITMAP_TOPLEFT);

    HBITMAP GetBitmap() const { return m_bitmap; }
    UINT GetBitmapId() const { return m_bitmapId; }
    COLORREF GetKey() const { return m_key; }
    int GetBitmapStyle() const { return m_style; }
    // Where the bitmap goes for a control at rect (empty without a bitmap).
    RECT PlaceBitmap(const RECT& rect) const;

protected:
    void DrawContent(HDC dc, const RECT& rect) override;

private:
    BOOL Show(CSharedBitmap bitmap, COLORREF key, int style);

    CSharedBitmap m_bitmap;
    UINT m_bitmapId = 0;
    COLORREF m_key = RGB(0, 255, 0);
    int m_style = BITMAP_TOPLEFT;
};

// How a text sits in its control (left, right, centred: the pages centre titles with 2).
enum TextAlignment { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTER = 2 };

class VQTRUTIL_API transbkstatic : public CDrawnStatic {
public:
    // Binds the static; its text is the control's text until SetText.
    BOOL Init(UINT controlId, CWnd* parent);

    void SetBold(BOOL bold);
    // Tenths of a point; 0 keeps the dialog font's size.
    void SetPointSize(int tenths);
    void SetTextColor(COLORREF color);
    // A TextAlignment; other values align left.
    void SetAlignment(int alignment);

    BOOL IsBold() const { return m_bold; }
    int GetPointSize() const { return m_pointTenths; }
    COLORREF GetTextColor() const { return m_color; }
    int GetAlignment() const { return m_alignment; }
    // The font the text is drawn with (the dialog's, or the own one when bold or sized).
    HFONT GetDrawFont() const;

protected:
    void DrawContent(HDC dc, const RECT& rect) override;

private:
    void RebuildFont();

    CGUIFont m_font;
    BOOL m_bold = FALSE;
    int m_pointTenths = 0;
    COLORREF m_color = RGB(0, 0, 0);
    int m_alignment = ALIGN_LEFT;
};

// A read-only multi-line edit (scrollable text) in the page's colours, without border.
class VQTRUTIL_API TransStaticEdit : public CWnd {
public:
    BOOL Init(UINT controlId, CWnd* parent);
    void SetText(const CString& text);
    CString GetText() const { return GetWindowText(); }
    void SetTextColor(COLORREF color);
    // The page's background colour (white, as the pages fill).
    void SetBkColor(COLORREF color);

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    COLORREF m_color = RGB(0, 0, 0);
    COLORREF m_background = RGB(255, 255, 255);
    CBrush m_brush;
};
