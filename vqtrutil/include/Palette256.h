// The module's 256-colour palette (an RCDATA resource: WORD version 0x300, WORD count, count
// PALETTEENTRY records, the layout of LOGPALETTE), realised before painting on palette displays.
#pragma once

#include "UtilApi.h"

#include <Gdi.h>
#include <windows.h>

class VQTRUTIL_API CPalette256 {
public:
    // From an RCDATA resource of the current resource module, which the caller names; FALSE
    // (logged) when the resource is missing or malformed.
    BOOL Create(UINT resourceId);
    // From the resource's bytes.
    BOOL CreateFromData(const void* data, DWORD size);
    HPALETTE GetSafeHandle() const { return m_palette; }
    int GetEntryCount() const { return m_palette.GetEntryCount(); }
    // Selects and realises the palette in dc on a palette display; nothing otherwise.
    void Realize(HDC dc, BOOL background = FALSE) const;

    // A display of 256 colours that works through a palette (the screen when dc is null).
    static BOOL IsPaletteDisplay(HDC dc);

private:
    CPalette m_palette;
};
