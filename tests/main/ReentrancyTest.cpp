// A host that calls back into the module from inside the module's own calls: from a request's
// answer, from the close notice, and while a dialog of the module runs its modal loop.
#include "MainWindowFixture.h"
#include "main/Topics.h"

namespace {
// Runs a piece of the module as a click on one of its windows would: as one call of the module.
template <class Body> void AsModuleCall(Body body) {
    CModuleStateScope state(QorModuleState());
    body();
}

void CALLBACK TerminateFromTheHostsTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    EntryTerminateNow();
}
} // namespace

class ReentrancyTest : public MainWindowTest {
protected:
    ReentrancyTest() { LeaveModuleState(); }
    // The host calls back from inside its answer to a request, once it comes.
    void TerminateFromAnswerTo(int request) {
        host.answer = [request](int code, void*) {
            if (code == request)
                EntryTerminateNow();
            return 1;
        };
    }
    void InitFromAnswerTo(int request, int topic) {
        host.answer = [this, request, topic](int code, void*) {
            if (code == request)
                EntryInit(printer.c_str(), topic, &host.status, &host.port, &FakeHost::Callback);
            return 1;
        };
    }
    // Whether the module is closed as a host sees it: no object, no window, no resources.
    void ExpectClosed(HWND window) const {
        EXPECT_EQ(Main(), nullptr);
        EXPECT_EQ(g_pQORTabDlg, nullptr);
        EXPECT_FALSE(::IsWindow(window));
        EXPECT_EQ(g_hQORResModule, nullptr);
    }
};

TEST_F(ReentrancyTest, TerminatingWhileAnsweringTheStatusPollClosesTheModuleAfterThePoll) {
    ASSERT_EQ(Open(kTopicHome), 1);
    HWND window = *Main();
    TerminateFromAnswerTo(CBGetStatus);
    CQORTabDlg::StatusTimerProc(window, WM_TIMER, 20, 0);
    ExpectClosed(window);
    EXPECT_EQ(host.Count(CBGetStatus), 1);
    EXPECT_EQ(EntryUpdateStatus(&host.status), 0);
}

TEST_F(ReentrancyTest, TerminatingFromTheCloseNoticeClosesTheModuleOnce) {
    ASSERT_EQ(Open(kTopicHome), 1);
    HWND window = *Main();
    TerminateFromAnswerTo(CBNotifyQORClosed);
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    ExpectClosed(window);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
}

TEST_F(ReentrancyTest, AModuleOpenedFromTheCloseNoticeStaysOpen) {
    ASSERT_EQ(Open(kTopicHome), 1);
    HWND first = *Main();
    InitFromAnswerTo(CBNotifyQORClosed, kTopicAdvanced);
    ::SendMessageA(first, WM_CLOSE, 0, 0);
    host.answer = nullptr;
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->HasMainWindow());
    EXPECT_TRUE(::IsWindowVisible(*Main()));
    EXPECT_EQ(ActivePage(), kAdvancedPage);
    EXPECT_NE(g_hQORResModule, nullptr);
    // The new module works: a topic switches its page.
    EXPECT_EQ(EntryDisplayTopic(kTopicHome, &host.status), 1);
    EXPECT_EQ(ActivePage(), kHomePage);
}

TEST_F(ReentrancyTest, InitFromInsideARequestReplacesTheModuleWithoutClosingTheNewOne) {
    ASSERT_EQ(Open(kTopicHome), 1);
    HWND first = *Main();
    InitFromAnswerTo(CBGetStatus, kTopicHome);
    CQORTabDlg::StatusTimerProc(first, WM_TIMER, 20, 0);
    host.answer = nullptr;
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->HasMainWindow());
    EXPECT_NE(g_hQORResModule, nullptr);
}

TEST_F(ReentrancyTest, TerminatingWhileTheReadyAlertIsUpEndsItsLoop) {
    host.status.dwStatus = QOR_STATUS_BUSY;
    ASSERT_EQ(Open(kTopicHome), 1);
    HWND window = *Main();
    // The host's own timer fires inside the alert's loop and closes the module.
    ::SetTimer(nullptr, 0, 1, &TerminateFromTheHostsTimer);
    BOOL ready = TRUE;
    AsModuleCall([&] { ready = Main()->IsPrinterReady(); });
    EXPECT_FALSE(ready);
    ExpectClosed(window);
    // Nothing of the alert is left.
    EXPECT_EQ(::FindWindowA("#32770", nullptr), nullptr);
}

TEST_F(ReentrancyTest, NoAlertOpensOnceTheHostHasClosedTheModuleFromItsAnswer) {
    host.status.dwStatus = QOR_STATUS_BUSY;
    ASSERT_EQ(Open(kTopicHome), 1);
    HWND window = *Main();
    TerminateFromAnswerTo(CBGetStatus);
    BOOL ready = TRUE;
    // Without the fix the alert would run its loop over a closed module until someone closed it.
    AsModuleCall([&] { ready = Main()->IsPrinterReady(); });
    EXPECT_FALSE(ready);
    ExpectClosed(window);
}

TEST_F(ReentrancyTest, AModuleClosedFromAnAnswerAsksTheHostNothingMore) {
    ASSERT_EQ(Open(kTopicHome), 1);
    CQORTabDlg* main = Main();
    TerminateFromAnswerTo(CBGetStatus);
    AsModuleCall([&] {
        main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
        // The object lives on until the call ends, but the host has closed it.
        EXPECT_EQ(main->DoCallback(CBOpenSession, nullptr, 0, 0), 0);
    });
    EXPECT_EQ(host.Count(CBOpenSession), 0);
    EXPECT_TRUE(log.Contains("QOR DoCallback refused: the host has closed the QOR"));
}
