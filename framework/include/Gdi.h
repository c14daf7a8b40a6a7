// GDI objects and device contexts. Each object kind comes in two flavours of one template: the
// owning one (CPen, CFont, ...) deletes its object, the handle one (CPenHandle, ...) only names
// an object someone else owns. Device contexts: CDC names one; CPaintDC, CClientDC, CWindowDC,
// CCompatibleDC and CMemoryDC own theirs. CSelectObject selects for a scope and restores.
#pragma once

#include "FrameworkApi.h"

#include <type_traits>
#include <utility>
#include <windows.h>

// Helpers the object templates call; they live in the DLL.
namespace vqtr::gdi {
// A font of pointTenths tenths of a point, for the resolution of dc (the screen when null).
VQTRG_API HFONT CreatePointFont(int pointTenths, const char* face, HDC dc, bool bold);
// A bitmap of the current resource module (the module-state switch chooses which).
VQTRG_API HBITMAP LoadResourceBitmap(UINT id);
// A 32-bit bitmap for drawing off screen.
VQTRG_API HBITMAP CreateBufferBitmap(int width, int height);
// The screen's pixels per logical inch (vertical), read once: the system's resolution holds for
// the whole session.
VQTRG_API int ScreenPixelsPerInch();
} // namespace vqtr::gdi

template <typename HandleT, bool owning> class CGdiObjectT {
    template <typename T> static constexpr bool kOwns = owning&& std::is_same_v<HandleT, T>;

public:
    CGdiObjectT() = default;
    explicit CGdiObjectT(HandleT handle) : m_handle(handle) {}
    ~CGdiObjectT() {
        if constexpr (owning)
            DeleteObject();
    }
    // Handles copy freely; owners move only.
    CGdiObjectT(const CGdiObjectT&) requires(!owning) = default;
    CGdiObjectT& operator=(const CGdiObjectT&) requires(!owning) = default;
    CGdiObjectT(const CGdiObjectT&) requires(owning) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) requires(owning) = delete;
    CGdiObjectT(CGdiObjectT&& other) noexcept : m_handle(other.Detach()) {}
    CGdiObjectT& operator=(CGdiObjectT&& other) noexcept {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }

    operator HandleT() const { return m_handle; }
    HandleT Get() const { return m_handle; }
    bool IsNull() const { return m_handle == nullptr; }
    bool IsValid() const { return m_handle != nullptr; }

    // An owner deletes the object it held before taking the new one.
    void Attach(HandleT handle) {
        if constexpr (owning) {
            if (handle != m_handle)
                DeleteObject();
        }
        m_handle = handle;
    }
    HandleT Detach() { return std::exchange(m_handle, nullptr); }
    BOOL DeleteObject() requires(owning) {
        BOOL deleted = m_handle ? ::DeleteObject(m_handle) : FALSE;
        m_handle = nullptr;
        return deleted;
    }
    int GetObject(int size, void* buffer) const { return ::GetObjectA(m_handle, size, buffer); }

    // Pens and brushes.
    HPEN CreatePen(int style, int width, COLORREF color) requires kOwns<HPEN> {
        return Replace(::CreatePen(style, width, color));
    }
    HBRUSH CreateSolidBrush(COLORREF color) requires kOwns<HBRUSH> {
        return Replace(::CreateSolidBrush(color));
    }
    HBRUSH CreateHatchBrush(int style, COLORREF color) requires kOwns<HBRUSH> {
        return Replace(::CreateHatchBrush(style, color));
    }
    HBRUSH CreatePatternBrush(HBITMAP pattern) requires kOwns<HBRUSH> {
        return Replace(::CreatePatternBrush(pattern));
    }

    // Fonts.
    HFONT CreatePointFont(int pointTenths, const char* face, HDC dc = nullptr,
                          bool bold = false) requires kOwns<HFONT> {
        return Replace(vqtr::gdi::CreatePointFont(pointTenths, face, dc, bold));
    }
    HFONT CreateFontIndirect(const LOGFONTA& logFont) requires kOwns<HFONT> {
        return Replace(::CreateFontIndirectA(&logFont));
    }
    bool GetLogFont(LOGFONTA& logFont) const requires std::is_same_v<HandleT, HFONT> {
        return GetObject(sizeof(logFont), &logFont) == sizeof(logFont);
    }

    // Bitmaps.
    HBITMAP LoadBitmap(UINT id) requires kOwns<HBITMAP> {
        return Replace(vqtr::gdi::LoadResourceBitmap(id));
    }
    HBITMAP CreateBuffer(int width, int height) requires kOwns<HBITMAP> {
        return Replace(vqtr::gdi::CreateBufferBitmap(width, height));
    }
    bool GetBitmap(BITMAP& info) const requires std::is_same_v<HandleT, HBITMAP> {
        return GetObject(sizeof(info), &info) == sizeof(info);
    }
    // Width and height in pixels; 0 x 0 without a bitmap.
    SIZE GetSize() const requires std::is_same_v<HandleT, HBITMAP> {
        BITMAP info{};
        // A top-down DIB may report its height as negative.
        return GetBitmap(info)
                   ? SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight}
                   : SIZE{0, 0};
    }

    // Palettes.
    HPALETTE CreatePalette(const LOGPALETTE* logPalette) requires kOwns<HPALETTE> {
        return Replace(logPalette ? ::CreatePalette(logPalette) : nullptr);
    }
    int GetEntryCount() const requires std::is_same_v<HandleT, HPALETTE> {
        WORD count = 0;
        return GetObject(sizeof(count), &count) ? count : 0;
    }

    // Regions.
    HRGN CreateRectRgn(int left, int top, int right, int bottom) requires kOwns<HRGN> {
        return Replace(::CreateRectRgn(left, top, right, bottom));
    }
    HRGN CreateRectRgnIndirect(const RECT& rect) requires kOwns<HRGN> {
        return Replace(::CreateRectRgnIndirect(&rect));
    }
    HRGN CreateEllipticRgn(int left, int top, int right, int bottom) requires kOwns<HRGN> {
        return Replace(::CreateEllipticRgn(left, top, right, bottom));
    }
    // This region becomes a combined with b (RGN_OR, RGN_AND, ...); returns the region's kind.
    int CombineRgn(HRGN a, HRGN b, int mode) requires std::is_same_v<HandleT, HRGN> {
        return m_handle ? ::CombineRgn(m_handle, a, b, mode) : ERROR;
    }
    int OffsetRgn(int dx, int dy) requires std::is_same_v<HandleT, HRGN> {
        return m_handle ? ::OffsetRgn(m_handle, dx, dy) : ERROR;
    }
    BOOL PtInRegion(int x, int y) const requires std::is_same_v<HandleT, HRGN> {
        return m_handle ? ::PtInRegion(m_handle, x, y) : FALSE;
    }
    int GetRgnBox(RECT* rect) const requires std::is_same_v<HandleT, HRGN> {
        return m_handle ? ::GetRgnBox(m_handle, rect) : ERROR;
    }

private:
    HandleT Replace(HandleT created) {
        Attach(created);
        return m_handle;
    }

    HandleT m_handle = nullptr;
};

using CPen = CGdiObjectT<HPEN, true>;
using CBrush = CGdiObjectT<HBRUSH, true>;
using CFont = CGdiObjectT<HFONT, true>;
using CBitmap = CGdiObjectT<HBITMAP, true>;
using CPalette = CGdiObjectT<HPALETTE, true>;
using CRgn = CGdiObjectT<HRGN, true>;
using CPenHandle = CGdiObjectT<HPEN, false>;
using CBrushHandle = CGdiObjectT<HBRUSH, false>;
using CFontHandle = CGdiObjectT<HFONT, false>;
using CBitmapHandle = CGdiObjectT<HBITMAP, false>;
using CPaletteHandle = CGdiObjectT<HPALETTE, false>;
using CRgnHandle = CGdiObjectT<HRGN, false>;

// A device context someone else owns, with the thin GDI calls.
class VQTRG_API CDC {
public:
    CDC(HDC dc = nullptr) : m_hDC(dc) {}
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    HGDIOBJ SelectObject(HGDIOBJ object) const { return ::SelectObject(m_hDC, object); }
    HPALETTE SelectPalette(HPALETTE palette, BOOL forceBackground) const {
        return ::SelectPalette(m_hDC, palette, forceBackground);
    }
    UINT RealizePalette() const { return ::RealizePalette(m_hDC); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    int SaveDC() const { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) const { return ::RestoreDC(m_hDC, saved); }

    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) const { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    int SetStretchBltMode(int mode) const { return ::SetStretchBltMode(m_hDC, mode); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF color) const { return ::SetPixel(m_hDC, x, y, color); }

    int FillRect(const RECT& rect, HBRUSH brush) const { return ::FillRect(m_hDC, &rect, brush); }
    // Fills with a colour without a brush; the background colour is left as it was.
    void FillSolidRect(const RECT& rect, COLORREF color) const;
    void FillSolidRect(int x, int y, int width, int height, COLORREF color) const {
        FillSolidRect(RECT{x, y, x + width, y + height}, color);
    }
    int FrameRect(const RECT& rect, HBRUSH brush) const { return ::FrameRect(m_hDC, &rect, brush); }
    // A raised or sunken one-pixel frame: topLeft on the top and left edges.
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) const;
    BOOL DrawEdge(RECT* rect, UINT edge, UINT flags) const {
        return ::DrawEdge(m_hDC, rect, edge, flags);
    }
    BOOL DrawFocusRect(const RECT& rect) const { return ::DrawFocusRect(m_hDC, &rect); }
    BOOL Rectangle(int left, int top, int right, int bottom) const {
        return ::Rectangle(m_hDC, left, top, right, bottom);
    }
    BOOL Ellipse(int left, int top, int right, int bottom) const {
        return ::Ellipse(m_hDC, left, top, right, bottom);
    }
    BOOL Polygon(const POINT* points, int count) const { return ::Polygon(m_hDC, points, count); }
    BOOL MoveTo(int x, int y) const { return ::MoveToEx(m_hDC, x, y, nullptr); }
    BOOL LineTo(int x, int y) const { return ::LineTo(m_hDC, x, y); }
    BOOL FillRgn(HRGN region, HBRUSH brush) const { return ::FillRgn(m_hDC, region, brush); }
    int SelectClipRgn(HRGN region) const { return ::SelectClipRgn(m_hDC, region); }
    int IntersectClipRect(const RECT& rect) const {
        return ::IntersectClipRect(m_hDC, rect.left, rect.top, rect.right, rect.bottom);
    }
    BOOL DrawIcon(int x, int y, HICON icon) const { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL DrawIconEx(int x, int y, HICON icon, int width, int height) const {
        return ::DrawIconEx(m_hDC, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
    }

    BOOL BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                DWORD rop = SRCCOPY) const {
        return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, rop);
    }
    BOOL StretchBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop = SRCCOPY) const {
        return ::StretchBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                            sourceHeight, rop);
    }

    BOOL TextOut(int x, int y, const char* text, int length = -1) const;
    int DrawText(const char* text, int length, RECT* rect, UINT format) const {
        return text ? ::DrawTextA(m_hDC, text, length, rect, format) : 0;
    }
    int DrawText(const char* text, RECT* rect, UINT format) const {
        return DrawText(text, -1, rect, format);
    }
    SIZE GetTextExtent(const char* text, int length = -1) const;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }
    UINT SetTextAlign(UINT align) const { return ::SetTextAlign(m_hDC, align); }

    HDC m_hDC;
};

// Owning device contexts: each releases its DC the way it was obtained.
class VQTRG_API CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hwnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    const PAINTSTRUCT& GetPaintStruct() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

class VQTRG_API CClientDC : public CDC {
public:
    explicit CClientDC(HWND hwnd);
    ~CClientDC();
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    HWND m_hWnd;
};

class VQTRG_API CWindowDC : public CDC {
public:
    explicit CWindowDC(HWND hwnd);
    ~CWindowDC();
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

private:
    HWND m_hWnd;
};

// A memory DC compatible with reference (the screen when null).
class VQTRG_API CCompatibleDC : public CDC {
public:
    explicit CCompatibleDC(HDC reference = nullptr);
    ~CCompatibleDC();
    CCompatibleDC(const CCompatibleDC&) = delete;
    CCompatibleDC& operator=(const CCompatibleDC&) = delete;
};

// A memory DC with its own buffer bitmap of a given size selected, for drawing off screen and
// copying the result at once (double buffering). Owns both.
class VQTRG_API CMemoryDC : public CCompatibleDC {
public:
    CMemoryDC(HDC reference, int width, int height);
    ~CMemoryDC();
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HBITMAP GetBitmap() const { return m_bitmap; }
    SIZE GetSize() const { return m_size; }
    // Copies the whole buffer to target at (x, y).
    BOOL CopyTo(HDC target, int x = 0, int y = 0) const {
        return ::BitBlt(target, x, y, m_size.cx, m_size.cy, m_hDC, 0, 0, SRCCOPY);
    }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    SIZE m_size;
};

// Selects an object into a DC for the length of a scope.
class VQTRG_API CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object);
    ~CSelectObject();
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Selects (and realizes) a palette for the length of a scope.
class VQTRG_API CSelectPalette {
public:
    CSelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground = FALSE, bool realize = true);
    ~CSelectPalette();
    CSelectPalette(const CSelectPalette&) = delete;
    CSelectPalette& operator=(const CSelectPalette&) = delete;

private:
    HDC m_dc;
    HPALETTE m_old;
};

// Draws bitmap at (x, y) leaving the pixels of colour key out.
VQTRG_API BOOL DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y, COLORREF key);
// The same, stretched to destination.
VQTRG_API BOOL DrawTransparentBitmap(HDC dc, HBITMAP bitmap, const RECT& destination, COLORREF key);
// The region of the pixels that are not key, in the bitmap's coordinates (null on failure). The
// caller owns it (CRgn, or SetWindowRgn which takes it over).
VQTRG_API HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key);

// A device context for a printer, by the printer's name alone (no driver or port names); null
// when there is no such printer. Owns its DC.
class VQTRG_API CPrinterDC : public CDC {
public:
    explicit CPrinterDC(const char* printerName);
    ~CPrinterDC();
    CPrinterDC(const CPrinterDC&) = delete;
    CPrinterDC& operator=(const CPrinterDC&) = delete;
};
