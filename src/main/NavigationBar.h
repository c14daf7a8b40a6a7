// The main window's six navigation buttons, one per page, with the descriptions that stand
// beside them on Home.
#pragma once

#include "PageIndex.h"
#include "QorButton.h"

#include <array>

class CNavigationBar {
public:
    // Places the buttons on the skin, whose picture stands at `skinOffset` in the window.
    void Layout(CWnd& window, POINT skinOffset);
    // Pictures and descriptions; the ink button names tanks or cartridges by the printer.
    void Init(CWnd* window, bool inkTanks);
    // Lowers the page's button and raises the others; only the lowered one is a tab stop.
    void Select(CWnd& window, int page, int previous);
    void RepositionDescriptions();
    void ShowDescriptions(bool show, bool includingHome);

private:
    std::array<CQORButton, kPageCount> m_Buttons;
};
