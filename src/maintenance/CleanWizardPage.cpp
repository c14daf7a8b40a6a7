#include "CleanWizardPage.h"

#include "CSpy.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "status/JobFiles.h"

unsigned CCleanWizardPage::HelpTopic() const {
    return kHelpTopicGeneral;
}

void CCleanWizardPage::PrintCleaningPage(const char* logName, int nextPage) {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !sheet)
        return;
    INKINFO ink = main->m_Records.ink;
    InkCarrier carrier;
    carrier.GetCarrierState(&ink, main->m_Product);
    CSpy spy;
    if (const char* file = CleaningJobFile(carrier.m_CarrierState)) {
        spy.OutputEach(CString(logName) + " CBSendFile", file);
        main->DoCallback(CBSendFile, const_cast<char*>(file), 0, 0);
        // The host may close the module while it sends.
        if (g_pQORTabDlg != main)
            return;
    } else {
        spy.OutputData(CString(logName) + " no cleaning page for this carrier");
    }
    sheet->ShowPageNumber(nextPage);
}

void CCleanWizardPage::FinishCleaning() {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !sheet)
        return;
    CSpy().OutputData("CCleanWizardPage::FinishCleaning()");
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg == main)
        sheet->CloseWizard(true);
}
