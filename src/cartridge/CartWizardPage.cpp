#include "CartWizardPage.h"

#include "CSpy.h"
#include "InkDisplay.h"
#include "JobCancelledDlg.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/CartVerification.h"

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
