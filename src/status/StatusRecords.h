// The main window's own copies of the host's records. The STATUSINFO's pointers lead to records
// held here, so a host that fills the STATUSINFO through its pointers (CBGetStatus) writes into
// these copies, and pages never read the host's memory after the call that handed it in.
#pragma once

#include "qor.h"

#include <vector>

class StatusRecordSet {
public:
    StatusRecordSet();
    StatusRecordSet(const StatusRecordSet&) = delete;
    StatusRecordSet& operator=(const StatusRecordSet&) = delete;

    // Takes in a host status record: the state values, INKINFO fields 0 to 7 and 11 to 20 (the
    // reserved fields keep what they held), all alignment values and the alert bytes. A null
    // record changes nothing; a null ink or alignment record keeps the copy; a null alert
    // record means no alert. Returns false for a null record.
    bool TakeIn(const STATUSINFO* host);
    // Takes in a host connection record; a null one changes nothing.
    bool TakeIn(const PORTINFO* host);
    // Becomes a snapshot of another set: state values, the copied ink fields, the alignment
    // values, the alert and the connection record.
    void SnapshotOf(const StatusRecordSet& current);

    STATUSINFO info{};
    INKINFO ink{};
    ALIGNINFO align{};
    STATUSERROR error{};
    PORTINFO port{};

    // Alert records longer than this are cut: the printer's alert codes are a few bytes, and a
    // length beyond the host's real buffer must not make us read past it more than necessary.
    static constexpr DWORD kMaxAlertBytes = 256;

private:
    void RebindPointers();
    void CopyAlert(const BYTE* bytes, DWORD length);
    static void CopyInkFields(INKINFO& target, const INKINFO& source);

    std::vector<BYTE> m_alertBytes;
};
