#include "MainWindowFixture.h"

#include "SharedBitmap.h"

#include <htmlhelp.h>

TEST_F(MainWindowTest, OpensAVisibleWindowTitledWithThePrinterOnTheTopicsPage) {
    struct Case {
        int topic;
        int page;
    };
    const Case cases[] = {{100, 0}, {302, 0}, {101, 1}, {102, 2}, {224, 2}, {301, 2},
                          {103, 3}, {104, 4}, {105, 5}, {223, 5}, {106, 1}, {108, 1},
                          {150, 0}, {225, 0}, {307, 0}, {702, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        ASSERT_EQ(Open(c.topic), 1);
        ASSERT_TRUE(Main() && Main()->HasMainWindow());
        EXPECT_TRUE(::IsWindowVisible(*Main()));
        EXPECT_EQ(ActivePage(), c.page);
        EXPECT_EQ(std::string(Main()->GetWindowText()), "Printer Assistant - " + printer);
        EntryTerminateNow();
    }
}

TEST_F(MainWindowTest, TheNavigationButtonsSwitchThePages) {
    ASSERT_EQ(Open(100), 1);
    for (UINT id = IDC_NAV_HOME; id <= IDC_NAV_ADVANCED; ++id) {
        Click(id);
        int page = static_cast<int>(id - IDC_NAV_HOME);
        EXPECT_EQ(ActivePage(), page);
        for (UINT other = IDC_NAV_HOME; other <= IDC_NAV_ADVANCED; ++other) {
            LONG_PTR style =
                ::GetWindowLongPtrA(::GetDlgItem(*Main(), static_cast<int>(other)), GWL_STYLE);
            // Only the current page's button is a tab stop.
            EXPECT_EQ((style & WS_TABSTOP) != 0, other == id) << other;
        }
    }
}

TEST_F(MainWindowTest, ClosingTheWindowNotifiesTheHostOnceAndClosesTheModule) {
    LeaveModuleState();
    ASSERT_EQ(Open(100), 1);
    HWND window = *Main();
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(g_hQORResModule, nullptr);
    EXPECT_TRUE(log.Contains("Shuting down QOR"));
    EXPECT_EQ(EntryUpdateStatus(&host.status), 0);
    EXPECT_EQ(EntryDisplayTopic(100, &host.status), 0);
}

TEST_F(MainWindowTest, TerminatingLeavesNoWindowAndSendsNothing) {
    ASSERT_EQ(Open(100), 1);
    HWND window = *Main();
    host.requests.clear();
    EXPECT_EQ(EntryTerminateNow(), 1);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_TRUE(host.requests.empty());
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(EntryUpdateStatus(&host.status), 0);
}

TEST_F(MainWindowTest, ThePicturesOfTheWindowAllGoWhenTheHostTerminates) {
    // As a host calls: outside the module's state, so that the window goes at once.
    LeaveModuleState();
    size_t loadedBefore = CSharedBitmap::LoadedCount();
    ASSERT_EQ(Open(100), 1);
    size_t loadedOpen = CSharedBitmap::LoadedCount();
    EXPECT_GT(loadedOpen, loadedBefore);
    EXPECT_EQ(EntryTerminateNow(), 1);
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore);
    // The next window loads the same set again, no more.
    ASSERT_EQ(Open(100), 1);
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedOpen);
    EXPECT_EQ(EntryTerminateNow(), 1);
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore);
}

TEST_F(MainWindowTest, ThePollRunsEveryTenSecondsAndEveryMinuteOnNetworkKinds) {
    struct Case {
        DWORD port;
        UINT elapse;
    };
    const Case cases[] = {{1, 10000}, {2, 10000}, {3, 10000}, {4, 60000}, {5, 60000},
                          {6, 60000}, {7, 60000}, {9, 10000}, {10, 10000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        host.port.dwPortType = c.port;
        ASSERT_EQ(Open(100), 1);
        EXPECT_EQ(Main()->GetStatusTimerElapse(), c.elapse);
        EntryTerminateNow();
    }
}

TEST_F(MainWindowTest, ThePollStopsWhileTheWindowIsInactiveOrMinimised) {
    ASSERT_EQ(Open(100), 1);
    HWND window = *Main();
    ::SendMessageA(window, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(Main()->GetStatusTimerElapse(), 0u);
    ::SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Main()->GetStatusTimerElapse(), 10000u);
    ::SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_EQ(Main()->GetStatusTimerElapse(), 0u);
    ::SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 100));
    EXPECT_EQ(Main()->GetStatusTimerElapse(), 10000u);
}

TEST_F(MainWindowTest, EachPollAsksTheHostForStatusAndTakesItIn) {
    ASSERT_EQ(Open(100), 1);
    host.requests.clear();
    host.ink.nBlackLevel = 12;
    Click(IDC_NAV_CONTACT);
    CQORTabDlg::StatusTimerProc(*Main(), WM_TIMER, 20, 0);
    EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
    EXPECT_EQ(Main()->m_InfoStruct.lpInk->nBlackLevel, 12);
    EXPECT_EQ(Main()->m_PrevRecords.ink.nBlackLevel, 60);
    EXPECT_EQ(ActivePage(), 4);
    EXPECT_EQ(Main()->GetStatusTimerElapse(), 10000u);
    EXPECT_TRUE(log.HasSequence({"QOR DoCallback", "CBGetStatus", "1"}));
}

TEST_F(MainWindowTest, HelpTopicsOpenTheHelpFileAndNoWindow) {
    struct Case {
        int topic;
        unsigned helpTopic;
    };
    const Case cases[] = {{201, 219}, {202, 219}, {204, 219}, {207, 219},
                          {210, 219}, {219, 219}, {218, 984}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        Calls().clear();
        EXPECT_EQ(Open(c.topic), 0);
        EXPECT_EQ(Main(), nullptr);
        ASSERT_EQ(Calls().size(), 1u);
        EXPECT_EQ(Calls()[0].kind, 2);
        EXPECT_EQ(Calls()[0].number, c.helpTopic);
        EXPECT_EQ(Calls()[0].command, static_cast<unsigned>(HH_HELP_CONTEXT));
        EXPECT_NE(Calls()[0].text.find("spool\\drivers\\x64\\3\\vqtrqor.chm"), std::string::npos);
    }
}

TEST_F(MainWindowTest, TopicsThatOpenNothingCloseTheModuleAgain) {
    EXPECT_EQ(Open(214), 1);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(Open(222), 0);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 2);
}

TEST_F(MainWindowTest, TheSuppliesTopicOpensTheSuppliesAddressAndTheHomePage) {
    ASSERT_EQ(Open(700), 1);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, 3);
    EXPECT_EQ(ActivePage(), 0);
}

TEST_F(MainWindowTest, BadCallsFromTheHostGetAResultOfZero) {
    EXPECT_EQ(EntryDisplayTopic(100, &host.status), 0);
    EXPECT_EQ(EntryUpdateStatus(&host.status), 0);
    EXPECT_EQ(EntryInit(nullptr, 100, &host.status, &host.port, &FakeHost::Callback), 0);
    std::string longName(300, 'p');
    EXPECT_EQ(EntryInit(longName.c_str(), 100, &host.status, &host.port, &FakeHost::Callback), 0);
    EXPECT_EQ(Main(), nullptr);
    MSG msg{};
    EXPECT_EQ(EntryFilterDllMsg(nullptr), 0);
    EXPECT_EQ(EntryFilterDllMsg(&msg), 0);
}

TEST_F(MainWindowTest, NullRecordsOpenTheWindowWithWhatIsKnown) {
    EXPECT_EQ(EntryInit(printer.c_str(), 100, nullptr, nullptr, &FakeHost::Callback), 1);
    ASSERT_TRUE(Main()->HasMainWindow());
    EXPECT_EQ(EntryUpdateStatus(nullptr), 0);
    EXPECT_EQ(EntryDisplayTopic(101, nullptr), 1);
    EXPECT_EQ(ActivePage(), 1);
}

TEST_F(MainWindowTest, ASecondInitReplacesTheFirstWindowAndWarns) {
    ASSERT_EQ(Open(100), 1);
    HWND first = *Main();
    ASSERT_EQ(Open(101), 1);
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_TRUE(Main()->HasMainWindow());
    EXPECT_EQ(ActivePage(), 1);
    EXPECT_TRUE(log.HasSequence({"!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!",
                                 "QORInit called when we are already running",
                                 "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"}));
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 0);
}

TEST_F(MainWindowTest, TheLogNamesEachExportWithItsArguments) {
    ASSERT_EQ(Open(103), 1);
    EXPECT_TRUE(log.HasSequence({"QORInit", printer, "103"}));
    EntryUpdateStatus(&host.status);
    EXPECT_TRUE(log.Contains("QORUpdateStatus"));
    EntryTerminateNow();
    EXPECT_TRUE(log.Contains("QORTerminateNow"));
}

TEST_F(MainWindowTest, EnterPressesTheFocusedButtonAsSpaceDoes) {
    ASSERT_EQ(Open(100), 1);
    HWND button = ::GetDlgItem(*Main(), IDC_NAV_FEATURES);
    MSG msg{button, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EntryFilterDllMsg(&msg);
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(VK_SPACE));
}

TEST_F(MainWindowTest, DisplayTopicSwitchesPagesInTheOpenWindow) {
    ASSERT_EQ(Open(100), 1);
    struct Case {
        int topic;
        int page;
    };
    const Case cases[] = {{101, 1}, {225, 2}, {105, 5}, {204, 3}, {104, 4}, {999, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        EXPECT_EQ(EntryDisplayTopic(c.topic, &host.status), 1);
        EXPECT_EQ(ActivePage(), c.page);
    }
    // Status updates change no page.
    Click(IDC_NAV_ADVANCED);
    EXPECT_EQ(EntryUpdateStatus(&host.status), 1);
    EXPECT_EQ(ActivePage(), 5);
}

namespace {
// The navigation descriptions: the main window's own labels without a control id.
int VisibleDescriptions() {
    int count = 0;
    for (HWND child = ::GetWindow(*theCQORTabDlg, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = {};
        ::GetClassNameA(child, name, sizeof name);
        if (::lstrcmpiA(name, "Static") == 0 && ::GetDlgCtrlID(child) == 0 &&
            ::IsWindowVisible(child))
            ++count;
    }
    return count;
}
} // namespace

TEST_F(MainWindowTest, OnHomeTheOtherButtonsShowTheirDescriptionsUntilAnotherPageIsChosen) {
    ASSERT_EQ(Open(100), 1);
    EXPECT_EQ(VisibleDescriptions(), 5);
    Click(IDC_NAV_INK);
    EXPECT_EQ(VisibleDescriptions(), 0);
    ASSERT_EQ(Open(103), 1);
    EXPECT_EQ(VisibleDescriptions(), 0);
}

TEST_F(MainWindowTest, TypedCharactersOnAPageButtonAreHandledAndReturn) {
    ASSERT_EQ(Open(100), 1);
    HWND home = Main()->GetPageSheet()->GetQorPage(kHomePage)->m_hWnd;
    HWND close = ::GetDlgItem(home, IDC_HOME_CLOSE);
    ::SetFocus(close);
    for (WPARAM key : {WPARAM('7'), WPARAM('>'), WPARAM(VK_RETURN), WPARAM('c')}) {
        MSG msg{close, WM_CHAR, key, 0, 0, {}};
        EntryFilterDllMsg(&msg);
        MSG system{close, WM_SYSCHAR, key, 0, 0, {}};
        EntryFilterDllMsg(&system);
    }
    EXPECT_TRUE(Main()->HasMainWindow());
}

TEST_F(MainWindowTest, KeysOnEveryButtonOfEveryPageAreHandledAndReturn) {
    ASSERT_EQ(Open(100), 1);
    for (UINT nav = IDC_NAV_HOME; nav <= IDC_NAV_ADVANCED; ++nav) {
        Click(nav);
        HWND page = Main()->GetPageSheet()->GetActivePage()->m_hWnd;
        for (HWND child = ::GetWindow(page, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = {};
            ::GetClassNameA(child, name, sizeof name);
            // Closing buttons would end the test; hidden ones get the keys too.
            int id = ::GetDlgCtrlID(child);
            if (std::string(name) != "Button" || id == IDC_PAGE_CLOSE || id == IDC_HOME_CLOSE ||
                (::IsWindowVisible(child) && (id == IDC_PAGE_OK || id == IDC_PAGE_CANCEL_OR_HELP)))
                continue;
            ::PostMessageA(child, WM_KEYDOWN, VK_RETURN, 1);
            ::PostMessageA(child, WM_CHAR, 'x', 1);
            ::PostMessageA(child, WM_KEYUP, VK_RETURN, 0xC0000001);
            Pump();
            if (!Main())
                return;
        }
    }
}

TEST_F(MainWindowTest, TabMovesFromTheCurrentPageButtonIntoThePage) {
    ASSERT_EQ(Open(100), 1);
    HWND home = ::GetDlgItem(*Main(), IDC_NAV_HOME);
    ::SetFocus(home);
    ASSERT_EQ(::GetFocus(), home);
    MSG down{home, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(EntryFilterDllMsg(&down));
    HWND page = Main()->GetPageSheet()->GetActivePage()->m_hWnd;
    EXPECT_TRUE(::IsChild(page, ::GetFocus()));
}
