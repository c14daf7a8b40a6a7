#include "AreYouSure.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CAreYouSure::CAreYouSure() : CInstallWizardPage(IDD_INSTALL_ARE_YOU_SURE) {}

BOOL CAreYouSure::OnInitDialog() {
    CInstallWizardPage::OnInitDialog();
    CSpy().OutputData("CAreYouSure::OnInitDialog()");
    InitInstallPage(IDS_INSTALL_ARE_YOU_SURE_HEADING, IDS_INSTALL_ARE_YOU_SURE_TEXT,
                    IDB_INSTALL_WELCOME);
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    CString section, key;
    main->m_Product.GetSetting("IDO_PLC_SECTION_NAME", section);
    main->m_Product.GetSetting("IDO_PRELOAD_KEY_REMINDME", key);
    const bool remind = PreloadTicks(main->ReadPreloadValue(key, section),
                                     IsDlgButtonChecked(IDC_INSTALL_REMIND_CHECK) == BST_CHECKED);
    CheckDlgButton(IDC_INSTALL_REMIND_CHECK, remind ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CAreYouSure::OnCancelbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (!main || !sheet)
        return;
    CSpy().OutputData("CAreYouSure::OnFinish()");
    if (Ticked(IDC_INSTALL_REMIND_CHECK, false))
        CInstallBackendWizardSheet::WriteInstallTime(main->m_strPrinterName);
    sheet->RunClosingSequence(CInstallBackendWizardSheet::kReminderClosing);
}
