#include "InstallBackendAutoAlignPage2.h"

#include "CSpy.h"
#include "InstallState.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CInstallBackendAutoAlignPage2, CInstallWizardPage)
ON_COMMAND(IDC_INSTALL_AUTO_ALIGN_CONTINUE, OnNextbutton)
ON_COMMAND(IDC_INSTALL_AUTO_ALIGN_EXIT, OnCancelbutton)
ON_COMMAND(IDC_WIZARD_BACK, OnBackToWelcome)
END_MESSAGE_MAP()

CInstallBackendAutoAlignPage2::CInstallBackendAutoAlignPage2()
    : CInstallWizardPage(IDD_INSTALL_AUTO_ALIGN_PAGE2) {}

BOOL CInstallBackendAutoAlignPage2::OnInitDialog() {
    CInstallWizardPage::OnInitDialog();
    CSpy().OutputData("CInstallBackendAutoAlignPage2::OnInitDialog()");
    InitInstallPage(IDS_INSTALL_AUTO_ALIGN_HEADING, IDS_INSTALL_AUTO_ALIGN_TEXT, 0);
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    INKINFO ink = main->m_Records.ink;
    InkCarrier carrier;
    carrier.GetCarrierState(&ink, main->m_Product);
    m_Carrier.Init(IDC_INSTALL_PICTURE, this, InstallAutoAlignPictureOf(carrier.m_CarrierState));
    const bool applicationsPresent = main->m_Product.CompareSetting("IDO_BUNDLED_APPS", 1) &&
                                     (g_bAnyAppOnCD || g_bAnyAppPreloaded);
    m_Applications.Init(IDC_INSTALL_APPS_PICTURE, this,
                        applicationsPresent ? IDB_INSTALL_APPS_PRESENT : IDB_INSTALL_APPS);
    SetText(IDC_INSTALL_REGISTRATION_TEXT, IDS_INSTALL_PAGE4_REGISTRATION);
    ShowControl(IDC_INSTALL_REGISTRATION_TEXT, !CInstallStepBand::RegistrationHidden());
    return TRUE;
}

unsigned CInstallBackendAutoAlignPage2::HelpTopic() const {
    return kHelpTopicAlignment;
}

void CInstallBackendAutoAlignPage2::OnNextbutton() {
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (sheet && PrinterReadyToGoOn())
        sheet->RunApplicationStep(*this, SilentInstallRule::SingleCartridgePage);
}

void CInstallBackendAutoAlignPage2::OnCancelbutton() {
    if (CInstallBackendWizardSheet* sheet = InstallSheet())
        sheet->RunClosingSequence(CInstallBackendWizardSheet::kAutoAlignClosing);
}

void CInstallBackendAutoAlignPage2::OnBackToWelcome() {
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (sheet && PrinterReadyToGoOn())
        sheet->ShowInstallPage(InstallPage::Page1);
}
