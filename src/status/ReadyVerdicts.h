// Whether the printer may take a maintenance job or a cartridge wizard now, decided from the
// records: the verdicts of the printer-ready check, the open-session check and the gate of a
// maintenance launch.
#pragma once

#include "qor.h"

#include <windows.h>

// A check's outcome: ready, or the alert's message (a string of the resource module) and the
// help topic behind its Help button.
struct ReadyVerdict {
    bool ready;
    UINT messageId;
    DWORD helpTopic;
};

// Whether the printer reports that it is printing (2, or 4 with its text from the alert bytes).
constexpr bool IsPrinterBusy(DWORD status) {
    return status == QOR_STATUS_BUSY || status == QOR_STATUS_ALERT_BUSY;
}

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
