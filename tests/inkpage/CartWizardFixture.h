// The cartridge verification wizard driven as a user drives it: opened from the Ink page's
// install link or by a topic, moved by its buttons, its lists chosen.
#pragma once

#include "../main/MainWindowFixture.h"
#include "InkTestSupport.h"
#include "cartridge/CartVerificationSheet.h"

// A model with two positions, the plain pages and print style 1.
inline const std::vector<std::pair<std::string, std::string>> kCartWizardModel = {
    {"IDO_SPECIFY_CARTRIDGE_INFO", "0"}, {"IDO_PRINTSTYLE", "1"},
    {"IDO_PRINTHEADFORMAT", "1"},        {"IDO_DEFAULT_COLORCART", "80"},
    {"IDO_DEFAULT_BLACKCART", "48"},     {"IDO_CARTRIDGE_INSTALLATION_AIO", "0"},
};

class CartVerificationWizardTest : public MainWindowTest {
protected:
    // Opens the wizard from the Ink page's install link, as a user does.
    CCartVerificationSheet* OpenWizard() {
        EXPECT_EQ(Open(103), 1);
        CQORPage* page = Main()->GetPageSheet()->GetQorPage(kInkPage);
        ::SendMessageA(*page, WM_COMMAND, MAKEWPARAM(IDC_INK_INSTALL_LINK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(*page, IDC_INK_INSTALL_LINK)));
        return Wizard();
    }
    static CCartVerificationSheet* Wizard() {
        return Main() ? Main()->m_Slots.GetAs<CCartVerificationSheet>(kCartVerificationSheet)
                      : nullptr;
    }
    // From now on the cartridges the host is told of (CBInstallCarts) are kept in reported.
    void RecordInstalledCartridges() {
        host.answer = [this](int code, void* payload) {
            if (code == CBInstallCarts && payload)
                reported = *static_cast<INKINFO*>(payload);
            return 1;
        };
    }
    // Presses a button of the active page; the page's handlers may close the wizard.
    static void Press(UINT id) {
        HWND page = *Wizard()->GetActivePage();
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(page, static_cast<int>(id))));
    }
    static HWND Item(UINT id) {
        return ::GetDlgItem(*Wizard()->GetActivePage(), static_cast<int>(id));
    }
    static void Choose(UINT combo, int index) {
        ::SendMessageA(Item(combo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    static int FindName(UINT combo, UINT stringId) {
        CString name;
        name.LoadString(stringId);
        return static_cast<int>(::SendMessageA(Item(combo), CB_FINDSTRINGEXACT,
                                               static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(name.c_str())));
    }

    TestOptions options{kCartWizardModel};

    INKINFO reported{};
};
