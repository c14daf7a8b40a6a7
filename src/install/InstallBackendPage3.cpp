#include "InstallBackendPage3.h"

#include "CSpy.h"
#include "InstallFlow.h"
#include "main/QORTabDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CInstallBackendPage3, CInstallWizardPage)
ON_COMMAND(IDC_WIZARD_BACK, OnBackToRegistration)
END_MESSAGE_MAP()

CInstallBackendPage3::CInstallBackendPage3() : CInstallWizardPage(IDD_INSTALL_PAGE3) {}

BOOL CInstallBackendPage3::OnInitDialog() {
    CInstallWizardPage::OnInitDialog();
    CSpy().OutputData("CInstallBackendPage3::OnInitDialog()");
    InitInstallPage(IDS_INSTALL_PAGE3_HEADING, IDS_INSTALL_PAGE3_TEXT, IDB_INSTALL_DONE);
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    const bool allInOne = main->m_Product.CompareSetting("IDO_AIO_FAMILY", 1);
    const bool icon = PreloadTicks(
        CInstallBackendWizardSheet::PreloadValue(allInOne ? "IDO_PRELOAD_KEY_DESKTOPICON2"
                                                          : "IDO_PRELOAD_KEY_DESKTOPICON1"),
        true);
    const bool centre =
        PreloadTicks(CInstallBackendWizardSheet::PreloadValue("IDO_PRELOAD_KEY_LAUNCHAIO"), false);
    CheckDlgButton(IDC_INSTALL_DESKTOP_ICON_CHECK, icon ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_INSTALL_START_CENTRE_CHECK, centre ? BST_CHECKED : BST_UNCHECKED);
    SetText(IDC_INSTALL_AIO_TEXT, IDS_INSTALL_AIO_TEXT);
    ShowControl(IDC_INSTALL_START_CENTRE_CHECK, allInOne);
    ShowControl(IDC_INSTALL_AIO_TEXT, allInOne);
    if (allInOne && !CInstallBackendWizardSheet::VerifyAioCenter()) {
        for (UINT box : {IDC_INSTALL_DESKTOP_ICON_CHECK, IDC_INSTALL_START_CENTRE_CHECK}) {
            CheckDlgButton(static_cast<int>(box), BST_UNCHECKED);
            GetDlgItem(static_cast<int>(box)).EnableWindow(FALSE);
        }
    }
    return TRUE;
}

void CInstallBackendPage3::OnBackToRegistration() {
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (sheet)
        sheet->ShowInstallPage(CInstallStepBand::RegistrationHidden() ? InstallPage::Page4
                                                                      : InstallPage::Page5);
}

void CInstallBackendPage3::Finish() {
    CSpy spy;
    spy.OutputData("CInstallBackendPage3::Finish()");
    CQORTabDlg* main = g_pQORTabDlg;
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (!main || !sheet)
        return;
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    const bool silent = main->m_bSilentPostInstall != 0;
    const bool icon = Ticked(IDC_INSTALL_DESKTOP_ICON_CHECK, false);
    const bool centre = Ticked(IDC_INSTALL_START_CENTRE_CHECK, false);
    const DWORD port = main->m_PortInfo.dwPortType;
    const bool allInOne = main->m_Product.CompareSetting("IDO_AIO_FAMILY", 1);
    // The all-in-one steps need the printer on this computer, not shared over the network.
    if (allInOne && port != 5 && port != 6 && port != 10) {
        if (icon || (silent && CInstallBackendWizardSheet::VerifyAioCenter()))
            CInstallBackendWizardSheet::CreateAioDesktopIcon();
        CInstallBackendWizardSheet::WaitForDeviceInstall("Device Install IS in progress!");
        CInstallBackendWizardSheet::LaunchFromProgramFolder(centre ? "vqtraiox.exe"
                                                                   : "vqtrbmgr.exe");
    }
    if (!allInOne && (icon || silent))
        CInstallBackendWizardSheet::CreatePrinterProgramDesktopIcon();
    // Run hidden, the wizard offered no registration: the date is the reminder's start.
    if (silent)
        CInstallBackendWizardSheet::WriteInstallTime(main->m_strPrinterName);
    sheet->EndInstallWizard();
}
