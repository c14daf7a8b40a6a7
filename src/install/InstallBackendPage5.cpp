#include "InstallBackendPage5.h"

#include "CSpy.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CInstallBackendPage5, CInstallWizardPage)
ON_COMMAND(IDC_INSTALL_LATER, OnLater)
END_MESSAGE_MAP()

CInstallBackendPage5::CInstallBackendPage5() : CInstallWizardPage(IDD_INSTALL_PAGE5) {}

BOOL CInstallBackendPage5::OnInitDialog() {
    CInstallWizardPage::OnInitDialog();
    CSpy().OutputData("CInstallBackendPage5::OnInitDialog()");
    InitInstallPage(IDS_INSTALL_PAGE5_HEADING, IDS_INSTALL_PAGE5_TEXT, IDB_INSTALL_WELCOME);
    return TRUE;
}

void CInstallBackendPage5::OnNextbutton() {
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (!sheet)
        return;
    CSpy().OutputData("CInstallBackendPage5::OnRegisterButton()");
    if (!CInstallStepBand::RegistrationHidden())
        m_Registration.FollowLink("IDO_REGISTRATION_SUBURL", TRUE);
    sheet->ShowInstallPage(InstallPage::Page3);
}

void CInstallBackendPage5::OnLater() {
    if (CInstallBackendWizardSheet* sheet = InstallSheet())
        sheet->ShowInstallPage(InstallPage::AreYouSure);
}

void CInstallBackendPage5::OnCancelbutton() {
    if (CInstallBackendWizardSheet* sheet = InstallSheet())
        sheet->RunClosingSequence(CInstallBackendWizardSheet::kStandardClosing);
}
