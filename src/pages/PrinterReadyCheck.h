// Whether the printer may take a maintenance job or a cartridge wizard now, and the alert that
// explains a refusal. The decisions are functions over the records; the alert shows them.
#pragma once

#include "CString.h"
#include "Dialog.h"
#include "qor.h"

class CQORTabDlg;

// A check's outcome: ready, or the alert's message (a string of the resource module) and the
// help topic behind its Help button.
struct ReadyVerdict {
    bool ready;
    UINT messageId;
    DWORD helpTopic;
};

// The printer-ready check, in order: busy (2, 4), states 3, 8 and 7, power off (6) on models
// with the power-off alert, any other 6 ready, state 10, then the connection without status (9);
// everything else is ready.
ReadyVerdict CheckPrinterReady(DWORD status, DWORD portType, bool powerOffAlert);

// The open-session check: a session the host refuses while two-way communication is meant to be
// on means the printer is busy.
ReadyVerdict CheckOpenSession(int sessionAnswer, BOOL bidiNew);

// How a maintenance launch starts on a connection: not at all on the network kinds 5 to 7, with
// the connection alert on 9, without asking for status on a parallel or USB printer whose
// two-way communication is off, and otherwise after asking for status.
enum class MaintenanceGate { kDisabled, kConnectionAlert, kReadyWithoutStatus, kAskStatus };
MaintenanceGate GetMaintenanceGate(DWORD portType, BOOL bidi);

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

    UINT GetMessageId() const { return m_verdict.messageId; }
    DWORD GetHelpTopic() const { return m_verdict.helpTopic; }

protected:
    BOOL OnInitDialog() override;
    void OnHelpButton();
    DECLARE_MESSAGE_MAP()

private:
    // Shows the alert for a refusal; TRUE when the verdict is ready.
    BOOL Apply(const ReadyVerdict& verdict);

    CQORTabDlg& m_Main;
    ReadyVerdict m_verdict{true, 0, 0};
};
