#include "SimulatedPrinter.h"

#include <cstdio>

namespace {
const char* RequestName(int request) {
    static const char* const kNames[] = {"(none)",          "CBGetStatus",    "CBSendFile",
                                         "CBSendBytes",     "CBSendAlignment", "CBInstallCarts",
                                         "CBNotifyQORClosed", "CBOpenSession", "CBCloseSession",
                                         "CBCancelJob",     "CBResumeJob",    "CBResetChangeCount"};
    return request >= 1 && request <= 11 ? kNames[request] : "(unknown request)";
}
} // namespace

SimulatedPrinter::SimulatedPrinter() {
    // The default printer: two cartridges, ready, plain paper, on USB.
    m_ink.dwCarrierType = QOR_CARRIER_DUAL;
    m_ink.nBlackLevel = 72;
    m_ink.nColorLevel1 = 64;
    m_ink.nColorLevel2 = 58;
    m_ink.nColorLevel3 = 81;
    m_ink.LogCartID1 = m_ink.PhyCartID1 = QOR_CART_COLOR;
    m_ink.LogCartID2 = m_ink.PhyCartID2 = QOR_CART_BLACK;
    for (DWORD& value : m_align.dwValue)
        value = 7;
    m_status.dwStatus = QOR_STATUS_READY;
    m_status.dwMediaTray1 = QOR_MEDIA_PLAIN;
    m_status.dwMediaTray2 = QOR_MEDIA_PLAIN;
    m_status.lpInk = &m_ink;
    m_status.lpHeadAlign = &m_align;
    m_status.lpStatusError = &m_alert;
    m_port.dwPortType = QOR_PORT_USB;
}

void SimulatedPrinter::FillStatus(STATUSINFO* target) const {
    // A host fills the module's records through the record's own pointers.
    target->dwStatus = m_status.dwStatus;
    target->dwMediaTray1 = m_status.dwMediaTray1;
    target->dwMediaTray2 = m_status.dwMediaTray2;
    if (target->lpInk)
        *target->lpInk = m_ink;
    if (target->lpHeadAlign)
        *target->lpHeadAlign = m_align;
    if (target->lpStatusError)
        *target->lpStatusError = m_alert;
}

int SimulatedPrinter::Answer(int request, void* payload, int arg3, int arg4,
                             std::string& description) {
    char line[256];
    std::snprintf(line, sizeof line, "%s (%d), arg3=%d, arg4=%d", RequestName(request), request,
                  arg3, arg4);
    description = line;
    switch (request) {
    case CBGetStatus:
        if (!payload)
            return 0;
        FillStatus(static_cast<STATUSINFO*>(payload));
        return 1;
    case CBSendFile:
        description += std::string(", file=") + (payload ? static_cast<const char*>(payload) : "");
        return 1;
    case CBNotifyQORClosed:
        m_moduleClosed = true;
        return 1;
    default:
        return request >= 1 && request <= 11 ? 1 : 0;
    }
}
