#include "InstallWizardPage.h"

#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "resource.h"

unsigned CInstallWizardPage::HelpTopic() const {
    return kHelpTopicGeneral;
}

void CInstallWizardPage::InitInstallPage(UINT headingId, UINT textId, UINT pictureId) {
    m_Band.Init(this);
    SetTitle(IDC_INSTALL_HEADING, headingId);
    SetText(IDC_INSTALL_TEXT, textId);
    if (pictureId)
        m_Picture.Init(IDC_INSTALL_PICTURE, this, pictureId);
}

CInstallBackendWizardSheet* CInstallWizardPage::InstallSheet() const {
    return dynamic_cast<CInstallBackendWizardSheet*>(GetSheet());
}

bool CInstallWizardPage::Ticked(UINT boxId, bool kept) const {
    if (!IsWindow())
        return kept;
    return IsDlgButtonChecked(static_cast<int>(boxId)) == BST_CHECKED;
}

bool CInstallWizardPage::PrinterReadyToGoOn() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return false;
    const BOOL ready = main->IsPrinterReady();
    return g_pQORTabDlg == main && ready;
}
