#include "StatusRecords.h"

#include <algorithm>

StatusRecordSet::StatusRecordSet() {
    RebindPointers();
}

void StatusRecordSet::RebindPointers() {
    info.lpInk = &ink;
    info.lpHeadAlign = &align;
    info.lpStatusError = &error;
    error.lpAlertStatusBytes = m_alertBytes.empty() ? nullptr : m_alertBytes.data();
    error.dwAlertStatusLength = static_cast<DWORD>(m_alertBytes.size());
}

void StatusRecordSet::CopyInkFields(INKINFO& target, const INKINFO& source) {
    // Fields 8 to 10 and 21, 22 are the host's own: they are neither read nor replaced.
    target.dwCarrierType = source.dwCarrierType;
    target.nBlackLevel = source.nBlackLevel;
    target.nColorLevel1 = source.nColorLevel1;
    target.nColorLevel2 = source.nColorLevel2;
    target.nColorLevel3 = source.nColorLevel3;
    target.nPhotoLevel1 = source.nPhotoLevel1;
    target.nPhotoLevel2 = source.nPhotoLevel2;
    target.nPhotoLevel3 = source.nPhotoLevel3;
    target.bCartChanged1 = source.bCartChanged1;
    target.bCartChanged2 = source.bCartChanged2;
    target.LogCartID1 = source.LogCartID1;
    target.LogCartID2 = source.LogCartID2;
    target.PhyCartID1 = source.PhyCartID1;
    target.PhyCartID2 = source.PhyCartID2;
    target.dwCarried17 = source.dwCarried17;
    target.dwCarried18 = source.dwCarried18;
    target.bAlignCart1 = source.bAlignCart1;
    target.bAlignCart2 = source.bAlignCart2;
}

void StatusRecordSet::CopyAlert(const BYTE* bytes, DWORD length) {
    // The alert bytes are copied, not referred to: the host's buffer need not outlive the call.
    if (!bytes)
        length = 0;
    length = std::min(length, kMaxAlertBytes);
    if (bytes != m_alertBytes.data())
        m_alertBytes.assign(bytes, bytes + length);
}

bool StatusRecordSet::TakeIn(const STATUSINFO* host) {
    if (!host)
        return false;
    if (host == &info) {
        // The host filled our own record in place, possibly pointing it at records of its own.
        STATUSINFO filled = info;
        STATUSERROR alert = filled.lpStatusError ? *filled.lpStatusError : STATUSERROR{};
        bool alertIsOurs = alert.lpAlertStatusBytes == m_alertBytes.data() &&
                           alert.dwAlertStatusLength == m_alertBytes.size();
        if (filled.lpInk && filled.lpInk != &ink)
            CopyInkFields(ink, *filled.lpInk);
        if (filled.lpHeadAlign && filled.lpHeadAlign != &align)
            align = *filled.lpHeadAlign;
        if (!alertIsOurs) {
            std::vector<BYTE> copy;
            if (alert.lpAlertStatusBytes)
                copy.assign(alert.lpAlertStatusBytes,
                            alert.lpAlertStatusBytes +
                                std::min(alert.dwAlertStatusLength, kMaxAlertBytes));
            m_alertBytes.swap(copy);
        }
        RebindPointers();
        return true;
    }
    info.dwStatus = host->dwStatus;
    info.dwMediaTray1 = host->dwMediaTray1;
    info.dwMediaTray2 = host->dwMediaTray2;
    if (host->lpInk)
        CopyInkFields(ink, *host->lpInk);
    if (host->lpHeadAlign)
        align = *host->lpHeadAlign;
    if (host->lpStatusError)
        CopyAlert(host->lpStatusError->lpAlertStatusBytes,
                  host->lpStatusError->dwAlertStatusLength);
    else
        m_alertBytes.clear();
    RebindPointers();
    return true;
}

bool StatusRecordSet::TakeIn(const PORTINFO* host) {
    if (!host)
        return false;
    port = *host;
    return true;
}

void StatusRecordSet::SnapshotOf(const StatusRecordSet& current) {
    info.dwStatus = current.info.dwStatus;
    info.dwMediaTray1 = current.info.dwMediaTray1;
    info.dwMediaTray2 = current.info.dwMediaTray2;
    CopyInkFields(ink, current.ink);
    align = current.align;
    m_alertBytes = current.m_alertBytes;
    port = current.port;
    RebindPointers();
}
