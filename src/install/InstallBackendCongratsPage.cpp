#include "InstallBackendCongratsPage.h"

#include "CSpy.h"
#include "PrinterValueDefault.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CInstallBackendCongratsPage::CInstallBackendCongratsPage()
    : CInstallWizardPage(IDD_INSTALL_CONGRATS) {}

PreloadAnswer CInstallBackendCongratsPage::OpenCentreAnswer() {
    return PreloadAnswerOf(
        CInstallBackendWizardSheet::PreloadValue("IDO_PLC_KEYNAME_POSTINSTALLOPENAIOC"));
}

BOOL CInstallBackendCongratsPage::OnInitDialog() {
    CInstallWizardPage::OnInitDialog();
    CSpy().OutputData("CInstallBackendCongratsPage::OnInitDialog()");
    InitInstallPage(IDS_INSTALL_CONGRATS_HEADING, IDS_INSTALL_CONGRATS_TEXT, IDB_INSTALL_DONE);
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    CheckDlgButton(IDC_INSTALL_START_CENTRE_CHECK,
                   OpenCentreAnswer() == PreloadAnswer::No ? BST_UNCHECKED : BST_CHECKED);
    SetText(IDC_INSTALL_AIO_TEXT, IDS_INSTALL_AIO_TEXT);
    const bool allInOne = main->m_Product.CompareSetting("IDO_AIO_FAMILY", 1);
    ShowControl(IDC_INSTALL_START_CENTRE_CHECK, allInOne);
    ShowControl(IDC_INSTALL_AIO_TEXT, allInOne);
    if (allInOne && !CInstallBackendWizardSheet::VerifyAioCenter()) {
        CheckDlgButton(IDC_INSTALL_START_CENTRE_CHECK, BST_UNCHECKED);
        GetDlgItem(IDC_INSTALL_START_CENTRE_CHECK).EnableWindow(FALSE);
    }
    PrepareLowInkBookkeeping(*main);
    return TRUE;
}

void CInstallBackendCongratsPage::PrepareLowInkBookkeeping(CQORTabDlg& main) {
    static const char* const kBookkeepingOptions[] = {
        "IDO_KEY_NAME_CART_ALREADY_ORDERED", "IDO_KEY_NAME_WARNING1_ALREADY_OCCURED_BLACK",
        "IDO_KEY_NAME_WARNING2_ALREADY_OCCURED_BALCK",
        "IDO_KEY_NAME_WARNING1_ALREADY_OCCURED_COLOR",
        "IDO_KEY_NAME_WARNING2_ALREADY_OCCURED_COLOR"};
    CSpy spy;
    for (const char* option : kBookkeepingOptions) {
        CString name;
        if (!main.m_Product.GetSetting(option, name) || name.IsEmpty()) {
            spy.OutputEach("PrepareLowInkBookkeeping() no value name for", option);
            continue;
        }
        EnsurePrinterValue<DWORD>(main.m_strPrinterName, "PSW", name, 0);
    }
    CString tagName;
    main.m_Product.GetSetting("IDO_KEY_NAME_SERVICETAG", tagName);
    const CString serial = main.GetSerialNumber();
    // A printer whose serial number cannot be read keeps the tag it has (one the user typed).
    if (!tagName.IsEmpty() && !serial.IsEmpty())
        main.WriteRegValueToModel(tagName, serial);
}

void CInstallBackendCongratsPage::Finish() {
    CSpy spy;
    spy.OutputData("CInstallBackendCongratsPage::Finish()");
    CQORTabDlg* main = g_pQORTabDlg;
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (!main || !sheet)
        return;
    const bool openCentre =
        Ticked(IDC_INSTALL_START_CENTRE_CHECK, false) || OpenCentreAnswer() == PreloadAnswer::Yes;
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    if (!IsRemotePort(main->m_PortInfo.dwPortType)) {
        CInstallBackendWizardSheet::CopyPubFiles();
        CInstallBackendWizardSheet::CreateQORDesktopIcon();
    }
    if (main->m_Product.CompareSetting("IDO_AIO_FAMILY", 1)) {
        CInstallBackendWizardSheet::WaitForDeviceInstall("Device Install IS in progress!");
        CInstallBackendWizardSheet::LaunchFromProgramFolder(openCentre ? "vqtraiox.exe"
                                                                       : "vqtrbmgr.exe");
    }
    sheet->EndInstallWizard();
}
