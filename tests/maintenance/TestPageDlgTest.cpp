// The test page dialog of topic 306, driven as its user drives it: OK has the host print its test
// job and waits until the printer has finished; the ways it ends early; Cancel and the keyboard.
#include "../main/MainWindowFixture.h"
#include "DialogHook.h"
#include "maintenance/TestPageDlg.h"

#include <functional>
#include <string>
#include <vector>

namespace {
class TestPageDialogTest : public MainWindowTest {
protected:
    TestPageDialogTest() {
        // The test decides what each status answer says.
        host.fillOnGetStatus = false;
        host.answer = [this](int code, void* payload) { return Answer(code, payload); };
    }

    // Runs topic 306 with its user pressing a button as soon as the dialog shows.
    int RunPressing(UINT button) {
        CDialogHook press(CDialogHook::kActivated, [button](HWND dialog) {
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        });
        return Open(306);
    }

    int Answer(int code, void* payload) {
        if (code == CBSendFile)
            sent = true;
        if (code != CBGetStatus)
            return code == failing ? 0 : 1;
        int asked = ++statusRequests;
        if (sent) {
            host.status.dwStatus = busyAfterSend < 0 || asked - 1 - statusBeforeSend < busyAfterSend
                                       ? QOR_STATUS_BUSY
                                       : QOR_STATUS_READY;
            // The wait's pause ends at once when a message comes: a host that posts one as it
            // answers keeps this test quick.
            ::PostMessageA(nullptr, WM_NULL, 0, 0);
        } else {
            statusBeforeSend = asked;
        }
        host.Fill(static_cast<STATUSINFO*>(payload));
        if (onStatus)
            onStatus(asked);
        return failingStatus == asked ? 0 : 1;
    }

    std::vector<int> StatusAfterSend(int count) const {
        return std::vector<int>(static_cast<size_t>(count), CBGetStatus);
    }
    static std::vector<int> Then(std::vector<int> first, const std::vector<int>& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const UiCall& call : Calls())
            if (call.kind == VQTR_UI_MESSAGE_BOX)
                texts.push_back(call.text);
        return texts;
    }
    static std::string Text(UINT id) {
        CString text;
        text.LoadString(id);
        return text.c_str();
    }

    // After the job is sent, the printer reports busy this many times (-1: for ever), then ready.
    int busyAfterSend = 0;
    int failing = 0;       // a request code the host fails
    int failingStatus = 0; // the status request (counted from 1) the host fails
    std::function<void(int asked)> onStatus;
    bool sent = false;
    int statusRequests = 0;
    int statusBeforeSend = 0;
};

TEST_F(TestPageDialogTest, OkReturnsOnlyOnceThePrinterHasLeftItsBusyStates) {
    busyAfterSend = 3;
    EXPECT_EQ(RunPressing(IDOK), 1);
    EXPECT_EQ(host.Codes(), Then({CBOpenSession, CBGetStatus, CBSendFile},
                                 Then(StatusAfterSend(4), {CBNotifyQORClosed})));
    EXPECT_EQ(host.requests[2].payload, "vqtrmcal.out");
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].text, Text(IDS_TEST_PAGE_SENT));
    EXPECT_EQ(Calls()[0].number, static_cast<unsigned>(MB_OK));
    // The dialog was all that was open: the module has closed with it.
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(TestPageDialogTest, ABusyPrinterIsRefusedWithoutSendingTheJob) {
    for (DWORD busy : {QOR_STATUS_BUSY, QOR_STATUS_ALERT_BUSY}) {
        SCOPED_TRACE(busy);
        host.requests.clear();
        Calls().clear();
        host.status.dwStatus = busy;
        EXPECT_EQ(RunPressing(IDOK), 1);
        EXPECT_EQ(host.Codes(), (std::vector<int>{CBOpenSession, CBGetStatus, CBNotifyQORClosed}));
        ASSERT_EQ(MessageTexts(), std::vector<std::string>{Text(IDS_PRINTER_BUSY)});
        EXPECT_EQ(Calls()[0].number, static_cast<unsigned>(MB_OK));
    }
}

TEST_F(TestPageDialogTest, AFailedRequestEndsTheJobAndTellsTheUser) {
    struct FailureCase {
        const char* name;
        int code;
        int statusRequest;
        std::vector<int> expected;
    };
    const FailureCase cases[] = {
        {"status before the job", 0, 1, {CBOpenSession, CBGetStatus, CBNotifyQORClosed}},
        {"the job", CBSendFile, 0, {CBOpenSession, CBGetStatus, CBSendFile, CBNotifyQORClosed}},
        {"status while printing",
         0,
         3,
         {CBOpenSession, CBGetStatus, CBSendFile, CBGetStatus, CBGetStatus, CBNotifyQORClosed}},
    };
    for (const FailureCase& test : cases) {
        SCOPED_TRACE(test.name);
        host.requests.clear();
        Calls().clear();
        sent = false;
        statusRequests = 0;
        busyAfterSend = 5;
        failing = test.code;
        failingStatus = test.statusRequest;
        EXPECT_EQ(RunPressing(IDOK), 1);
        EXPECT_EQ(host.Codes(), test.expected);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{Text(IDS_TEST_PAGE_NO_ANSWER)});
        EXPECT_TRUE(log.Contains("CTestPageDlg: the host failed a request of the test job"));
    }
}

TEST_F(TestPageDialogTest, APrinterThatStaysBusyIsWaitedForOnlySoLong) {
    busyAfterSend = -1;
    EXPECT_EQ(RunPressing(IDOK), 1);
    EXPECT_EQ(host.Codes(),
              Then({CBOpenSession, CBGetStatus, CBSendFile},
                   Then(StatusAfterSend(CTestPageDlg::kMaxBusyAnswers), {CBNotifyQORClosed})));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{Text(IDS_TEST_PAGE_STILL_BUSY)});
}

TEST_F(TestPageDialogTest, AHostClosingTheModuleDuringTheWaitEndsItThere) {
    busyAfterSend = -1;
    // The second answer after the job: the host ends the module from inside it.
    onStatus = [](int asked) {
        if (asked == 3)
            EntryTerminateNow();
    };
    RunPressing(IDOK);
    EXPECT_EQ(host.Codes(),
              (std::vector<int>{CBOpenSession, CBGetStatus, CBSendFile, CBGetStatus, CBGetStatus}));
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(TestPageDialogTest, WithoutTwoWayCommunicationTheJobGoesWithoutAskingForStatus) {
    struct GateCase {
        DWORD port;
        BOOL bidi;
        bool asksStatus;
    };
    for (const GateCase& test :
         {GateCase{QOR_PORT_PARALLEL, FALSE, false}, GateCase{QOR_PORT_USB, FALSE, false},
          GateCase{QOR_PORT_NETWORK, FALSE, true}, GateCase{QOR_PORT_USB, TRUE, true}}) {
        SCOPED_TRACE(testing::Message() << "port " << test.port << ", bidi " << test.bidi);
        host.requests.clear();
        Calls().clear();
        sent = false;
        host.port.dwPortType = test.port;
        host.status.dwStatus = QOR_STATUS_READY;
        const BOOL bidi = test.bidi;
        CDialogHook press(CDialogHook::kActivated, [bidi](HWND dialog) {
            Main()->m_bBidi = bidi;
            ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(Open(306), 1);
        const std::vector<int> expected =
            test.asksStatus ? std::vector<int>{CBOpenSession, CBGetStatus, CBSendFile, CBGetStatus,
                                               CBNotifyQORClosed}
                            : std::vector<int>{CBOpenSession, CBSendFile, CBNotifyQORClosed};
        EXPECT_EQ(host.Codes(), expected);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{Text(IDS_TEST_PAGE_SENT)});
    }
}

TEST_F(TestPageDialogTest, CancelAndTheKeyboardLeaveWithoutPrinting) {
    struct KeyCase {
        const char* name;
        std::vector<WPARAM> keys; // pressed one after the other on the focused control
    };
    for (const KeyCase& test : {KeyCase{"Cancel", {}}, KeyCase{"Escape", {VK_ESCAPE}},
                                // Enter presses the focused button, here Cancel after a Tab.
                                KeyCase{"Tab then Enter", {VK_TAB, VK_RETURN}}}) {
        SCOPED_TRACE(test.name);
        host.requests.clear();
        static std::vector<WPARAM> keys;
        keys = test.keys;
        CDialogHook act(CDialogHook::kActivated, [](HWND dialog) {
            if (keys.empty()) {
                ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            // Keys go to the control that has the focus once the dialog shows.
            ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
                if (keys.empty()) {
                    ::KillTimer(nullptr, id);
                    return;
                }
                const WPARAM key = keys.front();
                keys.erase(keys.begin());
                HWND focus = ::GetFocus();
                ::PostMessageA(focus, WM_KEYDOWN, key, 1);
                ::PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
            });
        });
        EXPECT_EQ(Open(306), 1);
        EXPECT_EQ(host.Codes(), (std::vector<int>{CBOpenSession, CBNotifyQORClosed}));
        EXPECT_EQ(Main(), nullptr);
    }
}

TEST_F(TestPageDialogTest, InTheOpenWindowOnlyTheDialogsSessionEnds) {
    ASSERT_EQ(Open(100), 1);
    busyAfterSend = 1;
    host.requests.clear();
    {
        CDialogHook press(CDialogHook::kActivated,
                          [](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
        Main()->SnapshotStatus();
        Main()->ShowTopic(306, &host.status);
    }
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->HasMainWindow());
    EXPECT_EQ(Main()->m_Slots.Get(kTestPageDialog), nullptr);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBOpenSession, CBGetStatus, CBSendFile, CBGetStatus,
                                              CBGetStatus, CBCloseSession}));
}
} // namespace
