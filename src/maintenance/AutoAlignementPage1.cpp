#include "AutoAlignementPage1.h"

#include "AlignSheet.h"
#include "CSpy.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "pages/PrinterReadyCheck.h"
#include "resource.h"
#include "status/JobFiles.h"

#include <algorithm>

namespace {
// Each step of Print names itself in the debug log.
void LogStep(const CString& step) {
    CSpy().OutputData("CAutoAlignementPage1::OnPrintButton() <" + step + ">");
}
} // namespace

BEGIN_MESSAGE_MAP(CAutoAlignementPage1, CAlignWizardPage)
ON_COMMAND(IDC_ALIGN_PRINT, OnPrintButton)
END_MESSAGE_MAP()

CAutoAlignementPage1::CAutoAlignementPage1() : CAlignWizardPage(IDD_AUTO_ALIGN_START) {}

BOOL CAutoAlignementPage1::OnInitDialog() {
    CAlignWizardPage::OnInitDialog();
    CSpy().OutputData("CAutoAlignementPage1::OnInitDialog()");
    m_Picture.Init(IDC_ALIGN_PICTURE, this, IDB_ALIGN_START_PICTURE);
    SetTitle(IDC_AUTO_ALIGN_SUBHEADING, IDS_AUTO_ALIGN_SUBHEADING);
    SetText(IDC_AUTO_ALIGN_AUTOMATIC, IDS_AUTO_ALIGN_AUTOMATIC);
    SetText(IDC_AUTO_ALIGN_MANUAL, IDS_AUTO_ALIGN_MANUAL);
    SetText(IDC_AUTO_ALIGN_AUTOMATIC_TEXT, IDS_AUTO_ALIGN_AUTOMATIC_TEXT);
    SetText(IDC_AUTO_ALIGN_MANUAL_TEXT, IDS_AUTO_ALIGN_MANUAL_TEXT);
    SetText(IDC_AUTO_ALIGN_PRINT_HINT, IDS_AUTO_ALIGN_PRINT_HINT);
    SetText(IDC_AUTO_ALIGN_CANCEL_HINT, IDS_AUTO_ALIGN_CANCEL_HINT);
    ::CheckRadioButton(m_hWnd, IDC_AUTO_ALIGN_AUTOMATIC, IDC_AUTO_ALIGN_MANUAL,
                       IDC_AUTO_ALIGN_AUTOMATIC);
    const CQORTabDlg* main = g_pQORTabDlg;
    // A model that aligns only by itself offers no choice.
    const bool choice = main && !main->m_Product.CompareSetting("IDO_SUPPORT_AUTOALIGN_ONLY", 1);
    for (UINT control : {IDC_AUTO_ALIGN_AUTOMATIC, IDC_AUTO_ALIGN_MANUAL,
                         IDC_AUTO_ALIGN_AUTOMATIC_TEXT, IDC_AUTO_ALIGN_MANUAL_TEXT})
        ShowControl(control, choice);
    InitStartPage();
    return TRUE;
}

void CAutoAlignementPage1::OnPrintButton() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main || !WizardSheet())
        return;
    CSpy spy;
    LogStep("1");
    const int opened = main->DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    spy.OutputEach("bReturn:", opened);
    if (!opened) {
        spy.OutputData("CAutoAlignementPage1::OnPrintButton()...session not locked");
        CPrinterReadyDlg alert(*main);
        alert.ExplainRefusedSession();
        return;
    }
    main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    {
        // A printer that is not ready gets the alert; the session stays open until Cancel.
        CPrinterReadyDlg alert(*main);
        if (!alert.CheckPrinter())
            return;
    }
    if (g_pQORTabDlg != main)
        return;
    if (::IsDlgButtonChecked(m_hWnd, IDC_AUTO_ALIGN_MANUAL) == BST_CHECKED)
        PrintManual(*main);
    else
        PrintAutomatic(*main);
}

void CAutoAlignementPage1::PrintAutomatic(CQORTabDlg& main) {
    if (CartridgeChangeBlocks())
        return;
    const AutomaticAlignment job = AutomaticAlignmentJob(main.m_Records.ink);
    LogStep(AutoAlignmentStepName(job.step));
    main.DoCallback(CBSendFile, const_cast<char*>(job.file), 0, 0);
    if (g_pQORTabDlg != &main)
        return;
    ShowPage(AlignPage::AutoResult);
}

void CAutoAlignementPage1::PrintManual(CQORTabDlg& main) {
    LogStep("5");
    main.DoCallback(CBGetStatus, &main.m_InfoStruct, 0, 0);
    if (g_pQORTabDlg != &main || CartridgeChangeBlocks())
        return;
    const ManualChoice choice =
        ManualChoiceOf(main.m_Records.ink, main.m_Product.CompareSetting("IDO_PRINTSTYLE", 2));
    if (choice.logStep) {
        CString step;
        step.Format("%d", choice.logStep);
        LogStep(step);
    }
    if (choice.unknownCartridge)
        UtilMessageBox(m_hWnd, "ERROR Cannot Print Alignement for Unknown Cartridge type", "ERROR",
                       MB_OK | MB_ICONERROR);
    if (choice.file) {
        main.DoCallback(CBSendFile, const_cast<char*>(choice.file), 0, 0);
        if (g_pQORTabDlg != &main)
            return;
    }
    ShowPage(choice.next);
}

void CAutoAlignementPage1::ShowPage(AlignPage page) {
    auto* sheet = dynamic_cast<CAlignSheet*>(WizardSheet());
    if (!sheet)
        return;
    const std::vector<AlignPage>& plan = sheet->Plan();
    const auto found = std::find(plan.begin(), plan.end(), page);
    if (found != plan.end())
        sheet->ShowPageNumber(static_cast<int>(found - plan.begin()));
}
