#include "Palette256.h"

#include "CSpy.h"

#include <Module.h>

namespace {
constexpr WORD kPaletteVersion = 0x300;
}

BOOL CPalette256::Create(UINT resourceId) {
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) {
        CSpy spy;
        spy.OutputData("CPalette256::Create() palette resource not found");
        spy.OutputData(resourceId);
        m_palette.DeleteObject();
        return FALSE;
    }
    return CreateFromData(data, ::SizeofResource(module, found));
}

BOOL CPalette256::CreateFromData(const void* data, DWORD size) {
    m_palette.DeleteObject();
    const auto* palette = static_cast<const LOGPALETTE*>(data);
    bool sound = data && size >= 4 && palette->palVersion == kPaletteVersion &&
                 palette->palNumEntries >= 1 && palette->palNumEntries <= 256 &&
                 size >= 4u + 4u * palette->palNumEntries;
    if (!sound) {
        CSpy().OutputData("CPalette256::CreateFromData() malformed palette");
        return FALSE;
    }
    return m_palette.CreatePalette(palette) != nullptr;
}

void CPalette256::Realize(HDC dc, BOOL background) const {
    if (!dc || !m_palette.IsValid() || !IsPaletteDisplay(dc))
        return;
    ::SelectPalette(dc, m_palette, background);
    ::RealizePalette(dc);
}

BOOL CPalette256::IsPaletteDisplay(HDC dc) {
    HDC screen = dc ? nullptr : ::GetDC(nullptr);
    HDC target = dc ? dc : screen;
    BOOL palette = target && (::GetDeviceCaps(target, RASTERCAPS) & RC_PALETTE) &&
                   ::GetDeviceCaps(target, SIZEPALETTE) == 256;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return palette;
}
