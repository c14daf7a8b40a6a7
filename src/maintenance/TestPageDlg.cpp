#include "TestPageDlg.h"

#include "CSpy.h"
#include "MessageQueue.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/JobFiles.h"
#include "status/ReadyVerdicts.h"

namespace {
CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}
} // namespace

CTestPageDlg::CTestPageDlg(CQORTabDlg& main)
    : CDialog(IDD_TEST_PAGE, main.HasMainWindow() ? &main : nullptr), m_Main(main) {}

BOOL CTestPageDlg::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CTestPageDlg::OnInitDialog()");
    CDialog::OnInitDialog();
    m_strCaption = LoadText(IDS_MAIN_TITLE) + " - " + m_Main.m_strPrinterName;
    SetWindowText(m_strCaption);
    return TRUE;
}

BOOL CTestPageDlg::PreTranslateMessage(MSG* msg) {
    if ((msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) && msg->wParam == VK_RETURN)
        msg->wParam = VK_SPACE;
    return CDialog::PreTranslateMessage(msg);
}

void CTestPageDlg::OnOK() {
    // A command that arrives while the job is under way (the wait dispatches messages) waits for
    // the job's own end.
    if (m_bWorking)
        return;
    CSpy spy;
    spy.OutputData("CTestPageDlg::OnOK()");
    m_bWorking = true;
    for (UINT button : {IDOK, IDCANCEL})
        ::EnableWindow(::GetDlgItem(m_hWnd, static_cast<int>(button)), FALSE);
    const JobResult result = PrintTestJob();
    spy.OutputEach("CTestPageDlg::OnOK() the job ended", static_cast<int>(result));
    if (result == JobResult::kInterrupted)
        return;
    m_bWorking = false;
    EndDialog(IDOK);
}

void CTestPageDlg::OnCancel() {
    if (m_bWorking)
        return;
    CSpy spy;
    spy.OutputData("CTestPageDlg::OnCancel()");
    EndDialog(IDCANCEL);
}

CTestPageDlg::JobResult CTestPageDlg::PrintTestJob() {
    // Without two-way communication on a parallel or USB port the printer reports nothing: the
    // job goes at once and nobody waits for it.
    const bool reportsStatus = GetMaintenanceGate(m_Main.m_PortInfo.dwPortType, m_Main.m_bBidi) !=
                               MaintenanceGate::kReadyWithoutStatus;
    if (reportsStatus) {
        if (!Ask(CBGetStatus, &m_Main.m_InfoStruct))
            return Interrupted() ? JobResult::kInterrupted : JobResult::kFailed;
        if (IsPrinterBusy(m_Main.m_InfoStruct.dwStatus)) {
            Tell(IDS_PRINTER_BUSY, m_strCaption);
            return JobResult::kRefused;
        }
    }
    // The host finds the file by its bare name; it only reads it.
    if (!Ask(CBSendFile, const_cast<char*>(JobFileName(JobFile::TestPage))))
        return Interrupted() ? JobResult::kInterrupted : JobResult::kFailed;
    const JobResult waited = reportsStatus ? WaitWhileBusy() : JobResult::kPrinted;
    if (waited == JobResult::kPrinted)
        Tell(IDS_TEST_PAGE_SENT, LoadText(IDS_TEST_PAGE_SENT_TITLE));
    return waited;
}

CTestPageDlg::JobResult CTestPageDlg::WaitWhileBusy() {
    for (int answers = 0; answers < kMaxBusyAnswers; ++answers) {
        if (answers > 0 && !PauseWithMessages())
            return JobResult::kInterrupted;
        if (!Ask(CBGetStatus, &m_Main.m_InfoStruct))
            return Interrupted() ? JobResult::kInterrupted : JobResult::kFailed;
        if (!IsPrinterBusy(m_Main.m_InfoStruct.dwStatus))
            return JobResult::kPrinted;
    }
    CSpy spy;
    spy.OutputError("CTestPageDlg::WaitWhileBusy() the printer stayed busy");
    Tell(IDS_TEST_PAGE_STILL_BUSY, m_strCaption);
    return JobResult::kStillBusy;
}

bool CTestPageDlg::Ask(int request, void* payload) {
    const int answer = m_Main.DoCallback(request, payload, 0, 0);
    if (Interrupted())
        return false;
    if (answer)
        return true;
    CSpy spy;
    spy.OutputError("CTestPageDlg: the host failed a request of the test job");
    spy.OutputData(request);
    Tell(IDS_TEST_PAGE_NO_ANSWER, m_strCaption);
    return false;
}

bool CTestPageDlg::PauseWithMessages() {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kBusyPauseMs, QS_ALLINPUT);
    m_bQuit = DispatchWaitingMessages().quit;
    return !Interrupted();
}

bool CTestPageDlg::Interrupted() const {
    return m_bQuit || g_pQORTabDlg != &m_Main || !::IsWindow(m_hWnd);
}

void CTestPageDlg::Tell(UINT textId, const CString& caption) const {
    UtilMessageBox(m_hWnd, LoadText(textId), caption, MB_OK);
}
