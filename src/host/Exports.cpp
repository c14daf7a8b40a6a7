// The seven entry points a QOR host calls, exported undecorated under the interface's names.
#include "Entry.h"

extern "C" {

QORAPI int QORInit(const char* printerName, int topic, STATUSINFO* status, PORTINFO* port,
                   QORCALLBACK callback) {
    return EntryInit(printerName, topic, status, port, callback);
}

QORAPI int QORDisplayTopic(int topic, STATUSINFO* status) {
    return EntryDisplayTopic(topic, status);
}

QORAPI int QORChangeCart(const char* printerName, int code, STATUSINFO* status, PORTINFO* port,
                         QORCALLBACK callback) {
    return EntryChangeCart(printerName, code, status, port, callback);
}

QORAPI int QORUpdateStatus(STATUSINFO* status) {
    return EntryUpdateStatus(status);
}

QORAPI int QORFilterDllMsg(MSG* msg) {
    return EntryFilterDllMsg(msg);
}

QORAPI int QORChoosePrinter(const char* printerList) {
    return EntryChoosePrinter(printerList);
}

QORAPI int QORTerminateNow(void) {
    return EntryTerminateNow();
}

} // extern "C"
