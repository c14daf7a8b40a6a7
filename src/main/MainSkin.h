// The main window's skin: its picture, palette, logo and banner, and the hole through which the
// page sheet shows.
#pragma once

#include "Gdi.h"
#include "SharedBitmap.h"
#include "Palette256.h"
#include "TransStatic.h"

class CMainSkin {
public:
    // Where the skin's picture stands in the client area (below the skin's own title band).
    static constexpr POINT kOffset{4, 22};

    // Loads the skin, sizes the window to it and places the logo and the banner.
    void Layout(CWnd& window);
    // The sheet laid over the whole window, with the skin's opaque pixels cut out of it.
    RECT SheetRect(const CWnd& window) const;
    RECT PageHole() const;
    void CutPageHole(HWND sheet, const RECT& sheetRect) const;
    // Paints the part of the skin inside `box` (client coordinates).
    void Paint(HDC dc, RECT box) const;
    void RealizePalette(HDC dc) const { m_Palette.Realize(dc); }

private:
    CPalette256 m_Palette;
    CSharedBitmap m_Background;
    CTransStaticBmp m_Logo;
    CTransStaticBmp m_Banner;
};
