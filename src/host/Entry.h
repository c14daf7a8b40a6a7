// The work of the seven exports, callable in-process: the module exports them under the names
// of the host interface (Exports.cpp), and tests call them directly.
#pragma once

#include "qor.h"

int EntryInit(const char* printerName, int topic, STATUSINFO* status, PORTINFO* port,
              QORCALLBACK callback);
int EntryDisplayTopic(int topic, STATUSINFO* status);
int EntryChangeCart(const char* printerName, int code, STATUSINFO* status, PORTINFO* port,
                    QORCALLBACK callback);
int EntryUpdateStatus(STATUSINFO* status);
int EntryFilterDllMsg(MSG* msg);
int EntryChoosePrinter(const char* printerList);
int EntryTerminateNow();
