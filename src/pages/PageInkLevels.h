// The ink levels a page shows beside its links: the main window's ink record drawn in the page's
// four tanks (controls 2026, 2025, 2027, 2028 take the display's slots in this order).
#pragma once

#include "InkDisplay.h"
#include "InkTank.h"
#include "qor.h"

#include <array>

class CWnd;

class CPageInkLevels {
public:
    void Init(CWnd* page, INKINFO* ink);
    void Update(INKINFO* ink) { m_Display.UpdateInkLevels(ink); }
    void Draw(HDC dc) { m_Display.DrawTanks(dc); }

private:
    CGUIInkDisplay m_Display;
    std::array<CGUIInkTank, 4> m_Tanks;
};
