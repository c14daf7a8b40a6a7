#include "CleanAndTestCartPage2.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CCleanAndTestCartPage2, CCleanResultPage)
ON_COMMAND(IDC_CLEAN_PRINT_AGAIN, OnPrintAgainButton)
END_MESSAGE_MAP()

CCleanAndTestCartPage2::CCleanAndTestCartPage2()
    : CCleanResultPage(IDD_CLEAN_RESULT, IDS_CLEAN_RESULT_HEADING) {}

BOOL CCleanAndTestCartPage2::OnInitDialog() {
    CCleanResultPage::OnInitDialog();
    SetText(IDC_CLEAN_PRINT_AGAIN, IDS_CLEAN_PRINT_AGAIN);
    return TRUE;
}

void CCleanAndTestCartPage2::OnPrintAgainButton() {
    static constexpr const char* kLogName = "CCleanAndTestCartPage2::OnPrintAgainButton()";
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    CSpy().OutputData(kLogName);
    // The session of the first print is still open, and its guard has passed.
    if (!main->IsPrinterReady() || g_pQORTabDlg != main)
        return;
    PrintCleaningPage(kLogName, 2);
}
