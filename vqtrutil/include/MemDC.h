// Double buffering: drawing goes to an off-screen copy of an area of a target DC, in the target's
// own coordinates, and the destructor copies the result to the target at once (no flicker).
#pragma once

#include "UtilApi.h"

#include <Gdi.h>
#include <windows.h>

class VQTRUTIL_API CMemDC : public CMemoryDC {
public:
    // rect is in the target's logical coordinates; an empty rect draws nowhere.
    CMemDC(HDC target, const RECT& rect);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    const RECT& GetRect() const { return m_rect; }

private:
    HDC m_target;
    RECT m_rect;
    HPALETTE m_oldPalette = nullptr;
};
