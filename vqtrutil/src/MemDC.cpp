#include "MemDC.h"

CMemDC::CMemDC(HDC target, const RECT& rect)
    : CMemoryDC(target, rect.right - rect.left, rect.bottom - rect.top), m_target(target),
      m_rect(rect) {
    if (!m_hDC)
        return;
    // Drawing uses the target's coordinates; the buffer starts at the rect's corner.
    ::SetViewportOrgEx(m_hDC, -rect.left, -rect.top, nullptr);
    // On a palette display the copy keeps its colours only with the target's palette.
    auto palette = static_cast<HPALETTE>(::GetCurrentObject(target, OBJ_PAL));
    if (palette && palette != ::GetStockObject(DEFAULT_PALETTE)) {
        m_oldPalette = ::SelectPalette(m_hDC, palette, FALSE);
        ::RealizePalette(m_hDC);
    }
}

CMemDC::~CMemDC() {
    if (!m_hDC)
        return;
    SIZE size = GetSize();
    if (m_target && size.cx > 0 && size.cy > 0) {
        ::SetViewportOrgEx(m_hDC, 0, 0, nullptr);
        ::BitBlt(m_target, m_rect.left, m_rect.top, size.cx, size.cy, m_hDC, 0, 0, SRCCOPY);
    }
    if (m_oldPalette)
        ::SelectPalette(m_hDC, m_oldPalette, FALSE);
}
