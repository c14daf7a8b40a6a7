// The printer-ready alert that explains a refusal, and the checks a maintenance launch runs
// through it. The verdicts themselves are decided from the records alone.
#pragma once

#include "CString.h"
#include "Dialog.h"
#include "qor.h"
#include "status/ReadyVerdicts.h"

class CQORTabDlg;

// The checks before a maintenance wizard starts, by the gate: the ready check on fresh status
// and, where the model does not specify its cartridges (IDO_SPECIFY_CARTRIDGE_INFO 0), the
// session the wizard then works in. TRUE when the wizard may start.
BOOL PassMaintenanceChecks(CQORTabDlg& main);

// The alert: caption "<title> - <printer name>", the message, Help (the topic) and OK. While it
// is up the main object knows it (m_pReadyDlg), so that no second check starts.
class CPrinterReadyDlg : public CDialog {
public:
    explicit CPrinterReadyDlg(CQORTabDlg& main);

    // The printer-ready check on the main object's records; TRUE when ready, else FALSE after
    // the alert has been shown.
    BOOL CheckPrinter();
    // Sends CBOpenSession and runs the open-session check; TRUE when the session is open.
    BOOL CheckOpenSession();
    // After the host refused a session: the printer-ready check's alert, or the printer-in-use
    // alert where the records show a ready printer, so that the refusal is always explained.
    void ExplainRefusedSession();

    UINT GetMessageId() const { return m_verdict.messageId; }
    DWORD GetHelpTopic() const { return m_verdict.helpTopic; }

protected:
    BOOL OnInitDialog() override;
    void OnHelpButton();
    DECLARE_MESSAGE_MAP()

private:
    ReadyVerdict PrinterVerdict() const;
    // Shows the alert for a refusal; TRUE when the verdict is ready.
    BOOL Apply(const ReadyVerdict& verdict);

    CQORTabDlg& m_Main;
    ReadyVerdict m_verdict{true, 0, 0};
};
