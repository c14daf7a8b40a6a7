// The work of the seven entry points. Each runs in the module's own state, logs its name and
// arguments, and lets no exception out.
#include "Entry.h"

#include "CSpy.h"
#include "Operations.h"
#include "QorModule.h"
#include "main/QORTabDlg.h"
#include "main/Topics.h"
#include "resource.h"

#include <cstring>
#include <exception>

namespace {
// A printer's friendly name is at most this long; a longer one is refused.
constexpr size_t kMaxPrinterName = 259;

template <class Body> int RunExport(const char* name, Body body) {
    CModuleStateScope state(QorModuleState());
    try {
        return body();
    } catch (const std::exception& error) {
        CSpy spy;
        spy.OutputData(CString(name) + ": stopped by an error: " + error.what());
    } catch (...) {
        CSpy spy;
        spy.OutputData(CString(name) + ": stopped by an unknown error");
    }
    return 0;
}

void LogError(const char* text) {
    CSpy spy;
    spy.OutputData("!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
    spy.OutputData(text);
    spy.OutputData("!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
}

bool IsUsablePrinterName(const char* printerName) {
    if (!printerName) {
        LogError("No printer name was handed to the QOR");
        return false;
    }
    if (::strnlen(printerName, kMaxPrinterName + 1) > kMaxPrinterName) {
        LogError("The printer name handed to the QOR is too long");
        return false;
    }
    return true;
}

// The records of a status call, checked; a null record is logged and the window's own copy
// stands in.
STATUSINFO* CheckedStatus(STATUSINFO* status) {
    if (!status && theCQORTabDlg) {
        LogError("No status record was handed to the QOR: the last known status is kept");
        return &theCQORTabDlg->m_InfoStruct;
    }
    return status;
}

int OpenModule(const char* printerName, int topic, STATUSINFO* status, PORTINFO* port,
               QORCALLBACK callback) {
    if (!IsUsablePrinterName(printerName))
        return 0;
    if (!LoadResourceModule())
        return 0;
    if (theCQORTabDlg) {
        if (theCQORTabDlg->HasMainWindow()) {
            CSpy spy;
            spy.OutputData("!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
            spy.OutputData("QORInit called when we are already running");
            spy.OutputData("!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
        }
    }
    if (!status)
        LogError("No status record was handed to the QOR");
    // The new object replaces an old one: its windows close with it rather than live on unowned.
    CQORTabDlg* main = MakeMainObject();
    g_pfnQORCallback = callback;
    if (IsDirectTopic(topic))
        return main->RunTopic(IDD_QOR_MAIN, nullptr, printerName, topic, status, port, callback);

    main->m_bBringToFront = 1;
    main->RunTopic(IDD_QOR_MAIN, nullptr, printerName, topic, status, port, callback);
    if (theCQORTabDlg.get() != main || !main->HasMainWindow()) {
        LogError("The QOR main window could not be created");
        if (theCQORTabDlg.get() == main)
            CloseModule();
        return 0;
    }
    main->ShowWindow(SW_SHOW);
    ::EnableMenuItem(main->GetSystemMenu(FALSE), SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    char locale[16] = {};
    char second[16] = {};
    UtilGetLocaleText(locale, sizeof locale, second, sizeof second);
    main->StartStatusTimer(10);
    return 1;
}
} // namespace

int EntryInit(const char* printerName, int topic, STATUSINFO* status, PORTINFO* port,
              QORCALLBACK callback) {
    return RunExport("QORInit", [&] {
        CSpy spy;
        spy.OutputData("QORInit");
        spy.OutputData(printerName);
        spy.OutputData(topic);
        spy.OutputData(status);
        spy.OutputData(port);
        return OpenModule(printerName, topic, status, port, callback);
    });
}

int EntryDisplayTopic(int topic, STATUSINFO* status) {
    return RunExport("QORDisplayTopic", [&] {
        CSpy spy;
        spy.OutputData("QORDisplayTopic");
        spy.OutputData(topic);
        spy.OutputData(status);
        if (!theCQORTabDlg)
            return 0;
        CQORTabDlg* main = theCQORTabDlg.get();
        status = CheckedStatus(status);
        if (main->HasMainWindow()) {
            if (RaisesOpenWindow(topic))
                main->m_bBringToFront = 1;
            main->SnapshotStatus();
            main->ShowTopic(topic, status);
            return 1;
        }
        if (!main->HoldsSubWindows())
            return 0;
        CString printerName = main->m_strPrinterName;
        if (topic == kTopicNone)
            return 1;
        PORTINFO port = main->m_PortInfo;
        main->RunTopic(IDD_QOR_MAIN, nullptr, printerName, topic, status, &port,
                       main->m_pfnCallback);
        if (IsPageTopic(topic) && theCQORTabDlg.get() == main) {
            main->m_bBringToFront = 1;
            main->SnapshotStatus();
            main->ShowTopic(topic, status);
        }
        return 1;
    });
}

int EntryChangeCart(const char* printerName, int code, STATUSINFO* status, PORTINFO* port,
                    QORCALLBACK callback) {
    int result = RunExport("QORChangeCart", [&] {
        CSpy spy;
        spy.OutputData("QORChangeCart");
        spy.OutputData(printerName);
        spy.OutputData(code);
        spy.OutputData(status);
        spy.OutputData(port);
        if (!theCQORTabDlg || !theCQORTabDlg->HasMainWindow())
            return -1;
        CQORTabDlg* main = theCQORTabDlg.get();
        main->m_bBringToFront = 1;
        main->SnapshotStatus();
        main->ShowTopic(kTopicCartridgeChange, CheckedStatus(status));
        return 1;
    });
    return result == -1 ? EntryInit(printerName, kTopicCartridgeChange, status, port, callback)
                        : result;
}

int EntryUpdateStatus(STATUSINFO* status) {
    return RunExport("QORUpdateStatus", [&] {
        CSpy spy;
        spy.OutputData("QORUpdateStatus");
        spy.OutputData(status);
        if (!theCQORTabDlg)
            return 0;
        if (!status) {
            LogError("No status record was handed to QORUpdateStatus");
            return 0;
        }
        theCQORTabDlg->SnapshotStatus();
        theCQORTabDlg->ShowTopic(kTopicStatusUpdate, status);
        return 1;
    });
}

int EntryFilterDllMsg(MSG* msg) {
    // Called for every message of the host's loop: no log entry here.
    CModuleStateScope state(QorModuleState());
    try {
        CWinApp* app = AfxGetApp();
        return msg && app ? app->PreTranslateMessage(msg) : 0;
    } catch (...) {
        return 0;
    }
}

int EntryChoosePrinter(const char* printerList) {
    return RunExport("QORChoosePrinter", [&] {
        // The resources first: choosing them by the user's language logs lines of its own.
        if (!LoadResourceModule())
            return 0;
        CSpy spy;
        spy.OutputData("QORChoosePrinter");
        spy.OutputData("...should only display the first printer name...");
        spy.OutputData(printerList);
        int result = 0;
        if (theCQORTabDlg) {
            spy.OutputData("QOR already opened");
        } else {
            spy.OutputData("QOR NOT already opened");
            MakeMainObject();
            theCQORTabDlg->RunTopic(IDD_QOR_MAIN, nullptr, nullptr, kTopicChoosePrinter, nullptr,
                                    nullptr, nullptr);
            result = theCQORTabDlg->ChoosePrinter(printerList);
        }
        if (g_hQORResModule) {
            spy.OutputData("m_Instance !=NULL");
            FreeResourceModule();
        }
        if (theCQORTabDlg) {
            spy.OutputData("theCQORTabDlg != NULL");
            RetireMainObject();
        }
        return result;
    });
}

int EntryTerminateNow() {
    return RunExport("QORTerminateNow", [&] {
        CSpy spy;
        spy.OutputData("QORTerminateNow");
        RetireMainObject();
        FreeResourceModule();
        return 1;
    });
}
