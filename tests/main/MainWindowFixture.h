// The module opened in-process on a fake host, with its own log, printer key and UI handler.
#pragma once

#include "FakeHost.h"
#include "MessageQueue.h"
#include "Operations.h"
#include "TestLog.h"
#include "host/Entry.h"
#include "host/QorModule.h"
#include "main/QORPageSheet.h"
#include "pages/QORPage.h"
#include "main/QORTabDlg.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

struct UiCall {
    int kind;
    std::string text;
    unsigned number;
    unsigned command;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        Calls().clear();
        VqtrSetUiHandler(&RecordUi);
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        printer = std::string("Test Printer ") + test->name();
    }
    ~MainWindowTest() override {
        EntryTerminateNow();
        VqtrSetUiHandler(nullptr);
        std::string key = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + printer;
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
    }

    int Open(int topic) {
        return EntryInit(printer.c_str(), topic, &host.status, &host.port, &FakeHost::Callback);
    }
    static CQORTabDlg* Main() { return theCQORTabDlg.get(); }
    static int ActivePage() {
        CQORPageSheet* sheet = Main() ? Main()->GetPageSheet() : nullptr;
        return sheet ? sheet->GetActiveIndex() : -1;
    }
    static void Click(UINT id) {
        HWND button = ::GetDlgItem(*Main(), static_cast<int>(id));
        ::SendMessageA(*Main(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button));
    }
    // Runs what is waiting in the thread's queue, as the host's loop would.
    static void Pump() { DispatchWaitingMessages(kAllWaitingMessages, &EntryFilterDllMsg); }

    static std::vector<UiCall>& Calls() {
        static std::vector<UiCall> calls;
        return calls;
    }
    static int RecordUi(int kind, const char* text, const char*, unsigned number,
                        unsigned command) {
        Calls().push_back({kind, text ? text : "", number, command});
        return IDOK;
    }

    // The test calls into the module as its exports and timer routines do: in its own state,
    // as one call of the module that lasts the whole test, unless the test leaves it to act
    // purely as a host (what the module frees at the end of its calls is then freed at once).
    void LeaveModuleState() { moduleState.reset(); }
    std::optional<CModuleStateScope> moduleState{std::in_place, QorModuleState()};
    TestLog log;
    FakeHost host;
    std::string printer;
};
