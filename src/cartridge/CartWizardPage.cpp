#include "CartWizardPage.h"

#include "CSpy.h"
#include "InkDisplay.h"
#include "JobCancelledDlg.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/CartVerification.h"

#include <string>

namespace {
TankLook LookOf(const ShownTank& tank, DWORD chosen) {
    switch (tank.picture) {
    case TankPicture::Unidentified:
        return TankLook::Unidentified;
    case TankPicture::Unknown:
        return chosen == QOR_CART_MISSING ? TankLook::Missing : TankLook::Invalid;
    case TankPicture::Ink:
        break;
    }
    switch (tank.inkColour) {
    case BLACK:
        return TankLook::Black;
    case COLOR:
        return TankLook::Color;
    default:
        return TankLook::Photo;
    }
}

void LogStep(const char* logName, const char* step) {
    CSpy().OutputData(CString(logName) + " " + step);
}
} // namespace

CCartVerificationSheet* CCartWizardPage::Sheet() const {
    return dynamic_cast<CCartVerificationSheet*>(GetSheet());
}

void CCartWizardPage::OnCancelbutton() {
    if (CCartVerificationSheet* sheet = Sheet())
        sheet->CancelWizard();
}

void CCartWizardPage::FillCartridgeList(HWND combo, CartridgeList list, DWORD selected) {
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    CartridgeName names[32];
    const int count = CartridgeNamesOf(list, names, 32);
    for (int index = 0; index < count; ++index) {
        CString name = LoadText(names[index].stringId);
        // A name the model does not use is not offered.
        if (name.IsEmpty() || name == "~")
            continue;
        LRESULT item =
            ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (item >= 0 && names[index].id == selected)
            ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
}

DWORD CCartWizardPage::ChosenCartridgeOf(HWND combo, CartridgeList list, DWORD noChoice) {
    LRESULT item = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    LRESULT length =
        item < 0 ? CB_ERR : ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
    if (length < 0)
        return noChoice;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(item),
                   reinterpret_cast<LPARAM>(text.data()));
    return CartridgeOfName(text.c_str(), list, LoadText);
}

unsigned CCartWizardPage::HelpTopic() const {
    return kHelpTopicCartridges;
}

void CCartWizardPage::ShowTank(CGUIInkTank& tank, DWORD chosen, const INKINFO& ink,
                               BOOL promptNew) {
    const ShownTank shown = TankOfChoice(chosen, ink, promptNew);
    const int level = static_cast<int>(shown.level);
    tank.SetInk(LookOf(shown, chosen), level, level, level);
}

void CCartWizardPage::FinishFitting(CQORTabDlg& main, bool anyNew, const char* logName) {
    CCartVerificationSheet* sheet = Sheet();
    if (anyNew && main.m_bPromptAlignment && !main.m_bPromptInstallAlignment) {
        if (main.m_bInCartChange) {
            LogStep(logName, "(2)");
            main.DoCallback(CBCancelJob, nullptr, 0, 0);
            if (g_pQORTabDlg != &main)
                return;
            main.m_bJobCancelled = TRUE;
        }
        LogStep(logName, "(3)");
        if (!main.RunAlignmentForNewCartridges())
            return;
    }
    if (main.m_bJobCancelled) {
        CJobCancelledDlg notice(this);
        notice.DoModal();
        if (g_pQORTabDlg != &main)
            return;
        main.m_bJobCancelled = FALSE;
    }
    LogStep(logName, "(5)");
    main.DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg != &main || !sheet)
        return;
    sheet->CloseWizard(!main.m_bCartTopicA && !main.m_bCartTopicB);
}
