#include "PrinterReadyCheck.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

BOOL PassMaintenanceChecks(CQORTabDlg& main) {
    CSpy spy;
    spy.OutputData("PassMaintenanceChecks()");
    switch (GetMaintenanceGate(main.m_PortInfo.dwPortType, main.m_bBidi)) {
    case MaintenanceGate::kDisabled:
        return FALSE;
    case MaintenanceGate::kConnectionAlert: {
        // Without status no wizard can run: the check explains why, whatever it answers.
        CPrinterReadyDlg alert(main);
        alert.CheckPrinter();
        return FALSE;
    }
    case MaintenanceGate::kReadyWithoutStatus:
        return TRUE;
    case MaintenanceGate::kAskStatus:
        break;
    }
    if (!main.IsPrinterReady())
        return FALSE;
    if (!main.m_Product.CompareSetting("IDO_SPECIFY_CARTRIDGE_INFO", 0))
        return TRUE;
    // The session stays open for the wizard that follows.
    CPrinterReadyDlg alert(main);
    return alert.CheckOpenSession();
}

BEGIN_MESSAGE_MAP(CPrinterReadyDlg, CDialog)
ON_COMMAND(IDHELP, OnHelpButton)
END_MESSAGE_MAP()

CPrinterReadyDlg::CPrinterReadyDlg(CQORTabDlg& main)
    : CDialog(IDD_PRINTER_READY, main.HasMainWindow() ? &main : nullptr), m_Main(main) {}

ReadyVerdict CPrinterReadyDlg::PrinterVerdict() const {
    CSpy spy;
    spy.OutputData("CPrinterReadyDlg::CheckPrinter()");
    spy.OutputData(m_Main.m_InfoStruct.dwStatus);
    spy.OutputData(&m_Main.m_PortInfo);
    bool powerOffAlert = m_Main.m_Product.CompareSetting("IDO_SUPPORT_POWEROFFALERTDLG", 1);
    return CheckPrinterReady(m_Main.m_InfoStruct.dwStatus, m_Main.m_PortInfo.dwPortType,
                             powerOffAlert);
}

BOOL CPrinterReadyDlg::CheckPrinter() {
    return Apply(PrinterVerdict());
}

void CPrinterReadyDlg::ExplainRefusedSession() {
    const ReadyVerdict verdict = PrinterVerdict();
    // The records may still show a ready printer: the refusal then reads as the printer in use.
    Apply(verdict.ready ? ::CheckOpenSession(0, TRUE) : verdict);
}

BOOL CPrinterReadyDlg::CheckOpenSession() {
    CSpy spy;
    spy.OutputData("CPrinterReadyDlg::CheckOpenSession()");
    int answer = m_Main.DoCallback(CBOpenSession, nullptr, 0, 0);
    return Apply(::CheckOpenSession(answer, m_Main.m_bBidiNew));
}

BOOL CPrinterReadyDlg::Apply(const ReadyVerdict& verdict) {
    m_verdict = verdict;
    if (verdict.ready)
        return TRUE;
    CSpy spy;
    spy.OutputData("CPrinterReadyDlg::Apply() not ready");
    spy.OutputData(verdict.messageId);
    m_Main.m_pReadyDlg = this;
    DoModal();
    // The host may have closed the module while the alert was up.
    if (g_pQORTabDlg == &m_Main)
        m_Main.m_pReadyDlg = nullptr;
    return FALSE;
}

BOOL CPrinterReadyDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(GetWindowText() + " - " + m_Main.m_strPrinterName);
    CString message;
    if (!message.LoadString(m_verdict.messageId)) {
        CSpy spy;
        spy.OutputError("CPrinterReadyDlg::OnInitDialog() the message is missing");
    }
    SetDlgItemText(IDC_READY_MESSAGE, message);
    ::SendDlgItemMessageA(m_hWnd, IDC_READY_ICON, STM_SETICON,
                          reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IDI_EXCLAMATION)), 0);
    return TRUE;
}

void CPrinterReadyDlg::OnHelpButton() {
    m_Main.ShowHelpTopic(m_verdict.helpTopic, m_hWnd);
}
