#include "Gdi.h"

#include "CString.h"
#include "Module.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vqtr::gdi {
int ScreenPixelsPerInch() {
    static const int pixels = [] {
        HDC screen = ::GetDC(nullptr);
        int perInch = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen)
            ::ReleaseDC(nullptr, screen);
        return perInch > 0 ? perInch : 96;
    }();
    return pixels;
}

HFONT CreatePointFont(int pointTenths, const char* face, HDC dc, bool bold) {
    int perInch = dc ? ::GetDeviceCaps(dc, LOGPIXELSY) : ScreenPixelsPerInch();
    LOGFONTA logFont{};
    logFont.lfHeight = -::MulDiv(pointTenths, perInch, 720);
    logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (face)
        ::lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    return ::CreateFontIndirectA(&logFont);
}

HBITMAP LoadResourceBitmap(UINT id) {
    // Pictures stay device-independent: a device bitmap is converted to the display's format
    // on loading and on every selection, which costs far more than drawing from a DIB.
    HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        CString text;
        text.Format("VQTRG: bitmap %u not found in the resource module\n", id);
        ::OutputDebugStringA(text);
    }
    return bitmap;
}

HBITMAP CreateBufferBitmap(int width, int height) {
    // A 32-bit top-down DIB: any device draws into it and copies from it, without asking the
    // display for its format.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width > 0 ? width : 1;
    info.bmiHeader.biHeight = -(height > 0 ? height : 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}
} // namespace vqtr::gdi

void CDC::FillSolidRect(const RECT& rect, COLORREF color) const {
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) const {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    FillSolidRect(rect.left, rect.top, width - 1, 1, topLeft);
    FillSolidRect(rect.left, rect.top, 1, height - 1, topLeft);
    FillSolidRect(rect.right - 1, rect.top, 1, height, bottomRight);
    FillSolidRect(rect.left, rect.bottom - 1, width, 1, bottomRight);
}

BOOL CDC::TextOut(int x, int y, const char* text, int length) const {
    if (!text)
        return FALSE;
    if (length < 0)
        length = static_cast<int>(std::strlen(text));
    return ::TextOutA(m_hDC, x, y, text, length);
}

SIZE CDC::GetTextExtent(const char* text, int length) const {
    SIZE size{0, 0};
    if (!text)
        return size;
    if (length < 0)
        length = static_cast<int>(std::strlen(text));
    ::GetTextExtentPoint32A(m_hDC, text, length, &size);
    return size;
}

CPaintDC::CPaintDC(HWND hwnd) : m_hWnd(hwnd) {
    m_hDC = ::BeginPaint(hwnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    if (m_hDC)
        ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(HWND hwnd) : CDC(::GetDC(hwnd)), m_hWnd(hwnd) {}

CClientDC::~CClientDC() {
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
}

CWindowDC::CWindowDC(HWND hwnd) : CDC(::GetWindowDC(hwnd)), m_hWnd(hwnd) {}

CWindowDC::~CWindowDC() {
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
}

CCompatibleDC::CCompatibleDC(HDC reference) : CDC(::CreateCompatibleDC(reference)) {}

CCompatibleDC::~CCompatibleDC() {
    if (m_hDC)
        ::DeleteDC(m_hDC);
}

CMemoryDC::CMemoryDC(HDC reference, int width, int height)
    : CCompatibleDC(reference), m_size{width > 0 ? width : 0, height > 0 ? height : 0} {
    m_bitmap.CreateBuffer(m_size.cx, m_size.cy);
    if (m_hDC && m_bitmap.IsValid())
        m_oldBitmap = ::SelectObject(m_hDC, m_bitmap);
}

CMemoryDC::~CMemoryDC() {
    if (m_oldBitmap)
        ::SelectObject(m_hDC, m_oldBitmap);
}

CSelectObject::CSelectObject(HDC dc, HGDIOBJ object)
    : m_dc(dc), m_old(dc && object ? ::SelectObject(dc, object) : nullptr) {}

CSelectObject::~CSelectObject() {
    if (m_old && m_old != HGDI_ERROR)
        ::SelectObject(m_dc, m_old);
}

CSelectPalette::CSelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground, bool realize)
    : m_dc(dc), m_old(dc && palette ? ::SelectPalette(dc, palette, forceBackground) : nullptr) {
    if (m_old && realize)
        ::RealizePalette(dc);
}

CSelectPalette::~CSelectPalette() {
    // The old palette goes back as a background palette, so that restoring never takes the
    // foreground from another window.
    if (m_old)
        ::SelectPalette(m_dc, m_old, TRUE);
}

BOOL DrawTransparentBitmap(HDC dc, HBITMAP bitmap, const RECT& destination, COLORREF key) {
    SIZE size = CBitmapHandle(bitmap).GetSize();
    if (!dc || size.cx == 0 || size.cy == 0)
        return FALSE;
    CCompatibleDC source(dc);
    CSelectObject select(source, bitmap);
    return ::TransparentBlt(
        dc, destination.left, destination.top, destination.right - destination.left,
        destination.bottom - destination.top, source, 0, 0, size.cx, size.cy, key);
}

BOOL DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y, COLORREF key) {
    SIZE size = CBitmapHandle(bitmap).GetSize();
    return DrawTransparentBitmap(dc, bitmap, RECT{x, y, x + size.cx, y + size.cy}, key);
}

namespace {
// Rectangles gathered for one ExtCreateRegion call; batches keep each call's data small, as
// some systems refuse very large region data.
class RegionBuilder {
public:
    RegionBuilder() { m_rects.reserve(kBatch); }

    void Add(int left, int top, int right) {
        m_rects.push_back(RECT{left, top, right, top + 1});
        if (m_rects.size() == kBatch)
            Flush();
    }

    bool IsEmpty() const { return m_rects.empty() && !m_result.IsValid() && !m_failed; }

    // The region, or null when GDI refused a part.
    HRGN Finish() {
        Flush();
        return m_failed ? nullptr : m_result.Detach();
    }

private:
    static constexpr size_t kBatch = 2000;

    void Flush() {
        if (m_rects.empty() || m_failed)
            return;
        std::vector<char> data(sizeof(RGNDATAHEADER) + m_rects.size() * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = static_cast<DWORD>(m_rects.size());
        header->nRgnSize = static_cast<DWORD>(m_rects.size() * sizeof(RECT));
        header->rcBound = RECT{0, m_rects.front().top, 0, m_rects.back().bottom};
        for (const RECT& rect : m_rects) {
            header->rcBound.left =
                rect.left < header->rcBound.left ? rect.left : header->rcBound.left;
            header->rcBound.right =
                rect.right > header->rcBound.right ? rect.right : header->rcBound.right;
        }
        std::memcpy(data.data() + sizeof(RGNDATAHEADER), m_rects.data(),
                    m_rects.size() * sizeof(RECT));
        m_rects.clear();
        CRgn part;
        part.Attach(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
        if (!part.IsValid()) {
            m_failed = true;
            return;
        }
        if (!m_result.IsValid())
            m_result = std::move(part);
        else if (m_result.CombineRgn(m_result, part, RGN_OR) == ERROR)
            m_failed = true;
    }

    std::vector<RECT> m_rects;
    CRgn m_result;
    bool m_failed = false;
};
} // namespace

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key) {
    SIZE size = CBitmapHandle(bitmap).GetSize();
    if (size.cx <= 0 || size.cy <= 0)
        return nullptr;

    // The pixels are read as 32-bit rows, whatever the bitmap's own format, a band of rows at a
    // time: a copy of a whole window-sized picture would cost more to allocate than to scan.
    constexpr int kBand = 32;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), size.cx, size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> band(static_cast<size_t>(size.cx) * kBand);
    CCompatibleDC reader;
    // DIB pixels are 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    const DWORD keyPixel =
        (static_cast<DWORD>(GetRValue(key)) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    RegionBuilder builder;
    for (int top = 0; top < size.cy; top += kBand) {
        int rows = static_cast<int>(std::min<LONG>(kBand, size.cy - top));
        // Rows are counted from the bottom here (a bottom-up request), and come bottom first.
        if (::GetDIBits(reader, bitmap, static_cast<UINT>(size.cy - top - rows),
                        static_cast<UINT>(rows), band.data(), &info, DIB_RGB_COLORS) != rows) {
            ::OutputDebugStringA("VQTRG: bitmap pixels unreadable for a region\n");
            return nullptr;
        }
        for (int y = top; y < top + rows; ++y) {
            const DWORD* row = band.data() + static_cast<size_t>(top + rows - 1 - y) * size.cx;
            int x = 0;
            while (x < size.cx) {
                while (x < size.cx && (row[x] & 0x00FFFFFF) == keyPixel)
                    ++x;
                int start = x;
                while (x < size.cx && (row[x] & 0x00FFFFFF) != keyPixel)
                    ++x;
                if (x > start)
                    builder.Add(start, y, x);
            }
        }
    }
    bool empty = builder.IsEmpty();
    HRGN region = builder.Finish();
    if (empty)
        return ::CreateRectRgn(0, 0, 0, 0); // all key colour: an empty region, not a failure
    if (!region)
        ::OutputDebugStringA("VQTRG: region from bitmap could not be built\n");
    return region;
}

CPrinterDC::CPrinterDC(const char* printerName)
    : CDC(printerName ? ::CreateDCA(nullptr, printerName, nullptr, nullptr) : nullptr) {}

CPrinterDC::~CPrinterDC() {
    if (m_hDC)
        ::DeleteDC(m_hDC);
}
