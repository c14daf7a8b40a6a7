#include "NavigationBar.h"

#include "resource.h"

namespace {
struct NavigationButton {
    UINT control;
    UINT up, down, hover;
    UINT description;
    POINT descriptionOffset;
};
constexpr NavigationButton kNavigation[kPageCount] = {
    {IDC_NAV_HOME, IDB_NAV_HOME_UP, IDB_NAV_HOME_DOWN, IDB_NAV_HOME_HOVER, IDS_TIP_HOME, {120, 5}},
    {IDC_NAV_FEATURES,
     IDB_NAV_FEATURES_UP,
     IDB_NAV_FEATURES_DOWN,
     IDB_NAV_FEATURES_HOVER,
     IDS_TIP_FEATURES,
     {95, 10}},
    {IDC_NAV_TROUBLESHOOTING,
     IDB_NAV_TROUBLESHOOTING_UP,
     IDB_NAV_TROUBLESHOOTING_DOWN,
     IDB_NAV_TROUBLESHOOTING_HOVER,
     IDS_TIP_TROUBLESHOOTING,
     {70, 10}},
    {IDC_NAV_INK,
     IDB_NAV_INK_UP,
     IDB_NAV_INK_DOWN,
     IDB_NAV_INK_HOVER,
     IDS_TIP_INK_CARTRIDGES,
     {60, 10}},
    {IDC_NAV_CONTACT,
     IDB_NAV_CONTACT_UP,
     IDB_NAV_CONTACT_DOWN,
     IDB_NAV_CONTACT_HOVER,
     IDS_TIP_CONTACT,
     {55, 10}},
    {IDC_NAV_ADVANCED,
     IDB_NAV_ADVANCED_UP,
     IDB_NAV_ADVANCED_DOWN,
     IDB_NAV_ADVANCED_HOVER,
     IDS_TIP_ADVANCED,
     {55, 10}},
};

// The descriptions stand under each button's label, across its lower edge.
constexpr int kDescriptionDrop = 30;
} // namespace

void CNavigationBar::Layout(CWnd& window, POINT skinOffset) {
    for (int index = 0; index < kPageCount; ++index)
        window.GetDlgItem(kNavigation[index].control)
            .MoveWindow(MAIN_NAV_LEFT + skinOffset.x,
                        MAIN_NAV_TOP + skinOffset.y + index * MAIN_NAV_PITCH, MAIN_NAV_WIDTH,
                        MAIN_NAV_HEIGHT);
}

void CNavigationBar::Init(CWnd* window, bool inkTanks) {
    for (int index = 0; index < kPageCount; ++index) {
        const NavigationButton& button = kNavigation[index];
        m_Buttons[index].Init(button.control, window, button.up, button.down, button.hover);
        CString description;
        description.LoadString(index == kInkPage && inkTanks ? IDS_TIP_INK_TANKS
                                                             : button.description);
        m_Buttons[index].SetToolTip(description, button.descriptionOffset.x,
                                    button.descriptionOffset.y + kDescriptionDrop);
    }
}

void CNavigationBar::RepositionDescriptions() {
    for (int index = 0; index < kPageCount; ++index)
        m_Buttons[index].RepositionToolTip(kNavigation[index].descriptionOffset.x,
                                           kNavigation[index].descriptionOffset.y +
                                               kDescriptionDrop);
}

void CNavigationBar::ShowDescriptions(bool show, bool includingHome) {
    for (int index = includingHome ? 0 : 1; index < kPageCount; ++index)
        m_Buttons[index].ShowToolTip(show);
}

void CNavigationBar::Select(CWnd& window, int page, int previous) {
    for (int index = 0; index < kPageCount; ++index) {
        CQORButton& button = m_Buttons[index];
        if (index == page) {
            button.Lower();
            button.SetTextColor(MAIN_NAV_TEXT_COLOR_CURRENT);
            button.ModifyStyle(0, WS_TABSTOP);
        } else {
            button.Raise();
            button.SetTextColor(MAIN_NAV_TEXT_COLOR);
            button.ModifyStyle(WS_TABSTOP, 0);
        }
    }
    // The button of the page being left is drawn again on the skin.
    if (previous >= 0 && previous < kPageCount && previous != page) {
        RECT rect = m_Buttons[previous].GetWindowRect();
        window.ScreenToClient(&rect);
        window.InvalidateRect(&rect);
    }
}
