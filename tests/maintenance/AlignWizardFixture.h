// The alignment wizard as topic 304 opens it, with what its tests press, type and read.
#pragma once

#include "../main/MainWindowFixture.h"
#include "maintenance/AlignSheet.h"

#include <string>
#include <vector>

class AlignWizardTest : public MainWindowTest {
protected:
    AlignWizardTest() {
        host.answer = [this](int code, void* payload) {
            if (code == CBSendAlignment && payload)
                sent = *static_cast<ALIGNINFO*>(payload);
            return 1;
        };
    }
    // Opens the wizard as topic 304 does on the first run: modeless, in its slot.
    CAlignSheet* OpenWizard() {
        EXPECT_EQ(Open(304), 1);
        return Wizard();
    }
    static CAlignSheet* Wizard() {
        return Main() ? Main()->m_Slots.GetAs<CAlignSheet>(kAlignSheet) : nullptr;
    }
    static void Press(UINT id) {
        HWND page = *Wizard()->GetActivePage();
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(page, static_cast<int>(id))));
    }
    static void Type(UINT edit, const char* text) {
        ::SetDlgItemTextA(*Wizard()->GetActivePage(), static_cast<int>(edit), text);
    }
    static std::string Shown(UINT edit) {
        return Wizard()->GetActivePage()->GetDlgItemText(static_cast<int>(edit)).c_str();
    }
    std::vector<std::string> FilesSent() const { return host.FilesSent(); }
    std::vector<int> LastCodes(size_t count) const {
        std::vector<int> codes = host.Codes();
        return {codes.end() - static_cast<std::ptrdiff_t>(std::min(count, codes.size())),
                codes.end()};
    }

    ALIGNINFO sent{};
};
