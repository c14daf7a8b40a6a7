#include "AlignWizardPage.h"

#include "CSpy.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"

unsigned CAlignWizardPage::HelpTopic() const {
    return kHelpTopicAlignment;
}

void CAlignWizardPage::FinishAlignment(bool sendAlignment) {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !sheet)
        return;
    if (sendAlignment) {
        main->DoCallback(CBSendAlignment, &main->m_Records.align, 0, 0);
        // The host may close the module while it answers: nothing of it is touched again.
        if (g_pQORTabDlg != main)
            return;
    }
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg == main)
        sheet->CloseWizard(true);
}

void CAlignWizardPage::CancelAlignment(bool cancelJob) {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !sheet)
        return;
    CSpy().OutputEach("CAlignWizardPage::CancelAlignment()", static_cast<int>(cancelJob));
    if (cancelJob && main->m_bInCartChange) {
        main->DoCallback(CBCancelJob, nullptr, 0, 0);
        if (g_pQORTabDlg != main)
            return;
        main->m_bJobCancelled = TRUE;
    }
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg == main)
        sheet->CloseWizard(true);
}
