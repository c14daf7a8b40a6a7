#include "InstallBackendPage1.h"

#include "CSpy.h"
#include "InstallState.h"
#include "PrinterValueDefault.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CInstallBackendPage1::CInstallBackendPage1() : CInstallWizardPage(IDD_INSTALL_PAGE1) {
    if (g_pQORTabDlg)
        g_pQORTabDlg->m_bSilentPostInstall = 0;
}

void CInstallBackendPage1::EnsureJobWindowSettings(const char* printerName) {
    CSpy().OutputData("CInstallBackendPage1::EnsureJobWindowSettings()");
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    EnsurePrinterValue<DWORD>(printerName, "JSW", "Job Progress Minimized", 0);
    EnsurePrinterValue<DWORD>(printerName, "JSW", "Show Process Window", 1);
    EnsurePrinterValue<DWORD>(printerName, "JSW", "JSW Skin Change", 0);
    EnsurePrinterValue<DWORD>(printerName, "QOR", "Sound",
                              main->m_Product.CompareSetting("IDO_DEFAULT_SOUND", 1) ? 1 : 0);
    CString skin;
    main->m_Product.GetSetting("IDO_JSWDEFAULTSKIN", skin);
    EnsurePrinterValue<CString>(printerName, "JSW", "JSW Skin", skin);
    EnsurePrinterValue<DWORD>(printerName, "AUTOMEDIA", "Auto Media", 1);
}

BOOL CInstallBackendPage1::OnInitDialog() {
    CInstallWizardPage::OnInitDialog();
    CSpy spy;
    spy.OutputData("CInstallBackendPage1::OnInitDialog()");
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    main->DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return TRUE;
    m_bSkippedCartridges = false;
    InitInstallPage(IDS_INSTALL_PAGE1_HEADING, IDS_INSTALL_PAGE1_TEXT, IDB_INSTALL_WELCOME);
    const bool applicationsPresent = main->m_Product.CompareSetting("IDO_BUNDLED_APPS", 1) &&
                                     (g_bAnyAppOnCD || g_bAnyAppPreloaded);
    m_Applications.Init(IDC_INSTALL_APPS_PICTURE, this,
                        applicationsPresent ? IDB_INSTALL_APPS_PRESENT : IDB_INSTALL_APPS);
    main->m_bPromptInstallAlignment =
        InstallAlignDefault(CRegistry::GetOSVer(), main->m_bPromptInstallAlignment);
    spy.OutputEach("<2> g_pQORTabDlg->m_bPromptInstallAlignment", main->m_bPromptInstallAlignment,
                   "<2> g_pQORTabDlg->m_bPromptAlignment", main->m_bPromptAlignment);
    CheckDlgButton(IDC_INSTALL_ALIGN_CHECK,
                   main->m_bPromptInstallAlignment ? BST_CHECKED : BST_UNCHECKED);
    EnsureJobWindowSettings(main->m_strPrinterName);
    return TRUE;
}

void CInstallBackendPage1::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (!main || !sheet)
        return;
    if (!Ticked(IDC_INSTALL_ALIGN_CHECK, false)) {
        m_bSkippedCartridges = true;
        sheet->RunApplicationStep(*this, SilentInstallRule::Page1);
        return;
    }
    if (!PrinterReadyToGoOn())
        return;
    m_bSkippedCartridges = false;
    const InstallAlignmentJob job = InstallAlignmentJobOf(
        main->m_Product.CompareSetting("IDO_SUPPORT_AUTOALIGNMENT", 1), main->m_Records.ink);
    CSpy spy;
    if (*job.logTag)
        spy.OutputData(CString("CInstallBackendPage1::OnContinueButton() <") + job.logTag + ">");
    if (job.file) {
        spy.OutputEach("CInstallBackendPage1::OnContinueButton() CBSendFile", job.file);
        main->DoCallback(CBSendFile, const_cast<char*>(job.file), 0, 0);
        if (g_pQORTabDlg != main)
            return;
    }
    sheet->ShowMiddlePage();
}

void CInstallBackendPage1::OnCancelbutton() {
    if (CInstallBackendWizardSheet* sheet = InstallSheet())
        sheet->RunClosingSequence(CInstallBackendWizardSheet::kStandardClosing);
}
