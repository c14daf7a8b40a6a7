#include "ReadyVerdicts.h"

#include "resource.h"

namespace {
constexpr DWORD kTopicBusy = 986;
constexpr DWORD kTopicStopped = 990;
constexpr DWORD kTopicNotAnswering = 989;
constexpr DWORD kTopicCarriage = 985;
constexpr DWORD kTopicConnection = 988;

constexpr ReadyVerdict kReady{true, 0, 0};
constexpr ReadyVerdict Refuse(UINT message, DWORD topic) {
    return {false, message, topic};
}
} // namespace

ReadyVerdict CheckPrinterReady(DWORD status, DWORD portType, bool powerOffAlert) {
    switch (status) {
    case QOR_STATUS_BUSY:
    case QOR_STATUS_ALERT_BUSY:
        return Refuse(IDS_READY_BUSY, kTopicBusy);
    case QOR_STATUS_3:
        return Refuse(IDS_READY_COVER_OPEN, kTopicStopped);
    case QOR_STATUS_8:
        return Refuse(IDS_READY_OFFLINE, kTopicNotAnswering);
    case QOR_STATUS_7:
        return Refuse(IDS_READY_CARRIAGE, kTopicCarriage);
    case QOR_STATUS_POWER_OFF:
        // A printer that is off takes the job when it is turned on, unless the model warns.
        return powerOffAlert ? Refuse(IDS_READY_POWER_OFF, kTopicStopped) : kReady;
    case QOR_STATUS_10:
        return Refuse(IDS_READY_ERROR, kTopicStopped);
    default:
        break;
    }
    if (portType == QOR_PORT_NO_STATUS)
        return Refuse(IDS_READY_NO_STATUS_PORT, kTopicConnection);
    return kReady;
}

ReadyVerdict CheckOpenSession(int sessionAnswer, BOOL bidiNew) {
    return sessionAnswer == 0 && bidiNew ? Refuse(IDS_READY_BUSY, kTopicBusy) : kReady;
}

MaintenanceGate GetMaintenanceGate(DWORD portType, BOOL bidi) {
    switch (portType) {
    case QOR_PORT_NETWORK_5:
    case QOR_PORT_NETWORK_6:
    case QOR_PORT_NETWORK_7:
        return MaintenanceGate::kDisabled;
    case QOR_PORT_NO_STATUS:
        return MaintenanceGate::kConnectionAlert;
    case QOR_PORT_PARALLEL:
    case QOR_PORT_USB:
        return bidi ? MaintenanceGate::kAskStatus : MaintenanceGate::kReadyWithoutStatus;
    default:
        return MaintenanceGate::kAskStatus;
    }
}
