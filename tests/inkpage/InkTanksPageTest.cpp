// The Ink Tanks page of an ink-tank printer and its two wizards: replacing a tank and checking the
// tanks, opened from the page's links and by the topics.
#include "../main/MainWindowFixture.h"
#include "InkTanksPage.h"
#include "InkTestSupport.h"
#include "Links.h"
#include "cartridge/TankSheet1.h"
#include "cartridge/TankSheet2.h"
#include "main/Topics.h"

#include <memory>

namespace {
const std::vector<std::pair<std::string, std::string>> kTankModel = {
    {"IDO_SOFTWARE_SUBURL", "support/q900/software.html"},
    {"IDO_SPECIFY_CARTRIDGE_INFO", "0"},
};

// Message boxes with their captions, which the fixture's handler does not keep.
struct MessageBox {
    std::string text;
    std::string caption;
};
std::vector<MessageBox>& Boxes() {
    static std::vector<MessageBox> boxes;
    return boxes;
}
void CALLBACK TerminateFromTheHostsTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    EntryTerminateNow();
}
} // namespace

class InkTanksPageTest : public MainWindowTest {
protected:
    InkTanksPageTest() {
        host.ink.dwCarrierType = QOR_CARRIER_INK_TANKS;
        host.ink.nBlackLevel = 88;
        host.ink.nColorLevel1 = 47;
        host.ink.nColorLevel2 = 63;
        host.ink.nColorLevel3 = 35;
        Boxes().clear();
        VqtrSetUiHandler(&RecordUiWithCaption);
    }
    static int RecordUiWithCaption(int kind, const char* text, const char* caption, unsigned number,
                                   unsigned command) {
        if (kind == VQTR_UI_MESSAGE_BOX)
            Boxes().push_back({text ? text : "", caption ? caption : ""});
        return RecordUi(kind, text, caption, number, command);
    }
    CQORInkTanksPage& OpenPage() {
        EXPECT_EQ(Open(103), 1);
        EXPECT_EQ(ActivePage(), kInkPage);
        auto* page = dynamic_cast<CQORInkTanksPage*>(Main()->GetPageSheet()->GetQorPage(kInkPage));
        EXPECT_NE(page, nullptr);
        return *page;
    }
    static HWND Item(HWND window, UINT id) { return ::GetDlgItem(window, static_cast<int>(id)); }
    template <class T> static T* Control(HWND window, UINT id) {
        return dynamic_cast<T*>(CWnd::FromHandlePermanent(Item(window, id)));
    }
    static void Press(HWND window, UINT id) {
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Item(window, id)));
    }
    static std::string String(UINT id) {
        CString text;
        text.LoadString(id);
        return std::string(text);
    }
    static std::string Text(HWND window, UINT id) {
        char text[1024] = {};
        ::GetWindowTextA(Item(window, id), text, sizeof text);
        return text;
    }
    static CQorWizardSheet* Sheet(WindowId slot) {
        return Main() ? Main()->m_Slots.GetAs<CQorWizardSheet>(slot) : nullptr;
    }
    static HWND ActivePageOf(WindowId slot) { return *Sheet(slot)->GetActivePage(); }
    std::string BusyCaption() const { return String(IDS_MAIN_TITLE) + " - " + printer; }

    TestOptions options{kTankModel};
};

TEST_F(InkTanksPageTest, ShowsTheFourTanksWithTheirLevelsAndFollowsNewLevels) {
    HWND page = OpenPage();
    const std::pair<UINT, TankLook> tanks[] = {{IDC_INK_TANK6, TankLook::Black},
                                               {IDC_INK_TANK4, TankLook::Cyan},
                                               {IDC_INK_TANK3, TankLook::Magenta},
                                               {IDC_INK_TANK5, TankLook::Yellow}};
    const int levels[] = {88, 47, 63, 35};
    for (size_t index = 0; index < std::size(tanks); ++index) {
        auto* tank = Control<CGUIInkTank>(page, tanks[index].first);
        ASSERT_NE(tank, nullptr) << index;
        EXPECT_EQ(tank->GetLook(), tanks[index].second) << index;
        EXPECT_EQ(tank->GetShownLevel(), levels[index]) << index;
    }
    host.ink.nColorLevel3 = 5;
    EXPECT_EQ(EntryUpdateStatus(&host.status), 1);
    EXPECT_EQ(Control<CGUIInkTank>(page, IDC_INK_TANK5)->GetShownLevel(), 5);
    EXPECT_EQ(Text(page, IDC_TAB_PAGE_TITLE), String(IDS_TANKS_TITLE));
}

TEST_F(InkTanksPageTest, ConnectionsWithoutMaintenanceGreyAndIgnoreTheLinks) {
    struct Case {
        DWORD port;
        bool disabled;
    };
    const Case cases[] = {{QOR_PORT_USB, false},      {QOR_PORT_NETWORK, false},
                          {QOR_PORT_NETWORK_5, true}, {QOR_PORT_NETWORK_6, true},
                          {QOR_PORT_NETWORK_7, true}, {QOR_PORT_NO_STATUS, true}};
    const UINT links[] = {IDC_INK_INSTALL_LINK, IDC_INK_ALIGN_LINK, IDC_INK_CLEAN_LINK,
                          IDC_TANKS_SHEET2_LINK};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "connection " << c.port);
        host.port.dwPortType = c.port;
        HWND page = OpenPage();
        for (UINT id : links)
            EXPECT_EQ(Control<CGUILink>(page, id)->IsDisabledStyle() != FALSE, c.disabled) << id;
        EXPECT_FALSE(Control<CGUILink>(page, IDC_INK_TEST_PAGE_LINK)->IsDisabledStyle());
        if (c.disabled) {
            // Unlike the Ink Cartridge page, no alert explains it: the links do nothing at all.
            host.requests.clear();
            Calls().clear();
            for (UINT id : links)
                Press(page, id);
            EXPECT_TRUE(host.requests.empty());
            EXPECT_TRUE(Calls().empty());
            EXPECT_FALSE(Main()->HoldsSubWindows());
        }
        EntryTerminateNow();
    }
}

TEST_F(InkTanksPageTest, TheTestPageWaitsForNoPrinterButABusyLocalOne) {
    struct Case {
        DWORD port;
        BOOL bidi;
        DWORD status;
        int statusRequests;
        bool refused;
    };
    const Case cases[] = {
        // A busy network printer queues the page: no readiness check.
        {QOR_PORT_NETWORK, 1, QOR_STATUS_BUSY, 1, false},
        {QOR_PORT_NETWORK, 1, QOR_STATUS_ALERT_BUSY, 2, true},
        {QOR_PORT_USB, 1, QOR_STATUS_BUSY, 2, true},
        {QOR_PORT_USB, 1, QOR_STATUS_READY, 2, false},
        // Without two-way communication the printer reports nothing to wait for.
        {QOR_PORT_USB, 0, QOR_STATUS_BUSY, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "connection " << c.port << ", status " << c.status);
        host.port.dwPortType = c.port;
        host.status.dwStatus = c.status;
        CQORInkTanksPage& page = OpenPage();
        Main()->m_bBidi = c.bidi;
        host.requests.clear();
        Boxes().clear();
        TestLog pressLog;
        Press(page, IDC_INK_TEST_PAGE_LINK);
        EXPECT_EQ(host.Count(CBGetStatus), c.statusRequests);
        EXPECT_EQ(host.requests.size(), size_t(c.statusRequests));
        ASSERT_EQ(Boxes().size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(Boxes()[0].text, String(IDS_PRINTER_BUSY));
            EXPECT_EQ(Boxes()[0].caption, BusyCaption());
        }
        // No such printer here: the attempt to print shows in the log.
        EXPECT_EQ(pressLog.Contains("ERROR!!!  Printer was not found"), !c.refused);
        EntryTerminateNow();
    }
}

TEST_F(InkTanksPageTest, ABusyPrinterRefusesEveryWizardWithTheBusyMessage) {
    CQORInkTanksPage& page = OpenPage();
    host.status.dwStatus = QOR_STATUS_ALERT_BUSY;
    for (WindowId slot : {kTankSheet1, kTankSheet2, kAlignSheet, kCleanSheet}) {
        SCOPED_TRACE(slot);
        host.requests.clear();
        Boxes().clear();
        EXPECT_FALSE(page.MayLaunchWizard(slot));
        EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].text, String(IDS_PRINTER_BUSY));
        EXPECT_EQ(Boxes()[0].caption, BusyCaption());
    }
    // The printer-ready alert of the Ink Cartridge page never shows here.
    EXPECT_FALSE(log.Contains("CPrinterReadyDlg::CheckPrinter()"));
    host.status.dwStatus = QOR_STATUS_POWER_OFF;
    host.requests.clear();
    EXPECT_TRUE(page.MayLaunchWizard(kAlignSheet));
    EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
}

TEST_F(InkTanksPageTest, OneWizardPerSlot) {
    CQORInkTanksPage& page = OpenPage();
    Main()->m_Slots.Set(kTankSheet2, std::make_unique<CWnd>());
    EXPECT_FALSE(page.MayLaunchWizard(kTankSheet2));
    EXPECT_TRUE(page.MayLaunchWizard(kAlignSheet));
    Main()->m_Slots.Delete(kTankSheet2);
    EXPECT_TRUE(page.MayLaunchWizard(kTankSheet2));
    // The wizard that replaces a tank counts while its window is open.
    ASSERT_TRUE(Main()->OpenWizardInSlot(kTankSheet1, std::make_unique<CQORTankSheet1>()));
    EXPECT_FALSE(page.MayLaunchWizard(kTankSheet1));
    Press(ActivePageOf(kTankSheet1), IDC_WIZARD_CANCEL);
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(page.MayLaunchWizard(kTankSheet1));
}

TEST_F(InkTanksPageTest, TheLinksRunTheirWizardsModalAndFreeTheirSlots) {
    CQORInkTanksPage& page = OpenPage();
    const std::pair<UINT, UINT> cases[] = {{IDC_INK_INSTALL_LINK, IDS_TANK_REPLACE_TITLE},
                                           {IDC_TANKS_SHEET2_LINK, IDS_TANK_CHECK_TITLE}};
    for (const auto& [link, title] : cases) {
        SCOPED_TRACE(link);
        AlignmentCanceller canceller(&AlignmentCanceller::PressCancel, title);
        host.requests.clear();
        TestLog clickLog;
        Press(page, link);
        EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
        EXPECT_TRUE(clickLog.Contains("CQORInkTanksPage::LaunchWizard() the wizard may start"));
        EXPECT_TRUE(clickLog.Contains("CTankWizardPage::FinishWizard()"));
        ASSERT_NE(Main(), nullptr);
        EXPECT_FALSE(Main()->HoldsSubWindows());
    }
}

TEST_F(InkTanksPageTest, HelpSoftwareAndTheSoftwareOverride) {
    {
        HWND page = OpenPage();
        EXPECT_TRUE(::IsWindowVisible(Item(page, IDC_TANKS_SOFTWARE_LINK)));
        EXPECT_TRUE(::IsWindowVisible(Item(page, IDC_PAGE_WEB_CAPTION)));
        Calls().clear();
        Press(page, IDC_TANKS_SOFTWARE_LINK);
        Press(page, IDC_TANKS_HELP_LINK);
        ASSERT_EQ(Calls().size(), 2u);
        EXPECT_EQ(Calls()[0].kind, VQTR_UI_SHELL_OPEN);
        EXPECT_NE(Calls()[0].text.find("support/q900/software.html"), std::string::npos);
        EXPECT_EQ(Calls()[1].kind, VQTR_UI_HELP);
        EXPECT_EQ(Calls()[1].number, 219u);
        EntryTerminateNow();
    }
    std::vector<std::pair<std::string, std::string>> overridden = kTankModel;
    overridden.push_back({"IDO_SOFTWARE_URL_OVERRIDE", "1"});
    TestOptions withOverride(overridden);
    HWND page = OpenPage();
    EXPECT_FALSE(::IsWindowVisible(Item(page, IDC_TANKS_SOFTWARE_LINK)));
    EXPECT_FALSE(::IsWindowVisible(Item(page, IDC_PAGE_WEB_CAPTION)));
}

TEST_F(InkTanksPageTest, CartridgeTopicsOpenTheTankWizardsOnTheFirstRun) {
    struct Case {
        DWORD carrier;
        int topic;
        WindowId slot;
    };
    const Case cases[] = {
        {QOR_CARRIER_INK_TANKS, 206, kTankSheet1},
        {QOR_CARRIER_INK_TANKS, 209, kTankSheet1},
        {QOR_CARRIER_INK_TANKS, 212, kTankSheet1},
        {QOR_CARRIER_INK_TANKS, 216, kTankSheet2},
        {QOR_CARRIER_INK_TANKS, 221, kTankSheet2},
        {QOR_CARRIER_DUAL, 206, kCartVerificationSheet},
        {QOR_CARRIER_SINGLE, 209, kCartVerificationSheet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "carrier " << c.carrier << ", topic " << c.topic);
        host.ink.dwCarrierType = c.carrier;
        host.ink.LogCartID1 = host.ink.PhyCartID1 = QOR_CART_COLOR;
        EXPECT_EQ(Open(c.topic), 1);
        ASSERT_NE(Main(), nullptr);
        EXPECT_FALSE(Main()->HasMainWindow());
        EXPECT_TRUE(Main()->m_Slots.IsOpen(c.slot));
        for (WindowId other : {kTankSheet1, kTankSheet2, kCartVerificationSheet})
            if (other != c.slot) {
                EXPECT_FALSE(Main()->m_Slots.IsOpen(other)) << other;
            }
        // A second topic of the same wizard opens nothing more.
        EXPECT_EQ(EntryDisplayTopic(c.topic, &host.status), 1);
        EXPECT_TRUE(Main()->m_Slots.IsOpen(c.slot));
        EntryTerminateNow();
    }
}

TEST_F(InkTanksPageTest, TopicsInTheOpenWindowRunTheInkTanksPageOperations) {
    const std::pair<int, UINT> cases[] = {{206, IDS_TANK_REPLACE_TITLE},
                                          {216, IDS_TANK_CHECK_TITLE}};
    ASSERT_EQ(Open(kTopicHome), 1);
    for (const auto& [topic, title] : cases) {
        SCOPED_TRACE(topic);
        AlignmentCanceller canceller(&AlignmentCanceller::PressCancel, title);
        TestLog topicLog;
        EXPECT_EQ(EntryDisplayTopic(topic, &host.status), 1);
        EXPECT_EQ(ActivePage(), kInkPage);
        EXPECT_TRUE(topicLog.Contains("CQORInkTanksPage::LaunchWizard() the wizard may start"));
        EXPECT_TRUE(topicLog.Contains("CTankWizardPage::FinishWizard()"));
        EXPECT_FALSE(Main()->HoldsSubWindows());
    }
}

TEST_F(InkTanksPageTest, TheCheckLeadsToTheStepsWhileATankIsEmptyOrMissing) {
    struct Case {
        LONG black;
        LONG yellow;
        bool leadsOn;
    };
    const Case cases[] = {
        {88, 35, false}, {0, 35, true}, {88, -1, true}, {QOR_NEW_CARTRIDGE_MARKER, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.black << " " << c.yellow);
        host.ink.nBlackLevel = c.black;
        host.ink.nColorLevel3 = c.yellow;
        ASSERT_EQ(Open(216), 1);
        HWND check = ActivePageOf(kTankSheet2);
        EXPECT_EQ(Text(check, IDC_WIZARD_NEXT),
                  String(c.leadsOn ? IDS_TANK_NEXT : IDS_TANK_FINISH));
        EXPECT_EQ(Text(check, IDC_TANK_ADVICE),
                  String(c.leadsOn ? IDS_TANK_ADVICE_REPLACE : IDS_TANK_ADVICE_READY));
        host.requests.clear();
        Press(check, IDC_WIZARD_NEXT);
        if (c.leadsOn) {
            ASSERT_NE(Main(), nullptr);
            EXPECT_EQ(Sheet(kTankSheet2)->GetActiveIndex(), 1);
            EXPECT_EQ(Text(ActivePageOf(kTankSheet2), IDC_WIZARD_NEXT), String(IDS_TANK_FINISH));
            // The steps are the wizard's last page: Next finishes without asking the printer.
            Press(ActivePageOf(kTankSheet2), IDC_WIZARD_NEXT);
            EXPECT_EQ(host.Count(CBGetStatus), 0);
        }
        // The wizard was all that was open: the module closes.
        EXPECT_EQ(Main(), nullptr);
        EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
    }
}

TEST_F(InkTanksPageTest, AfterTheStepsTheReplacingWizardShowsTheTanksNowSensed) {
    host.ink.nColorLevel1 = 0;
    ASSERT_EQ(Open(206), 1);
    HWND steps = ActivePageOf(kTankSheet1);
    EXPECT_EQ(Text(steps, IDC_TANK_HEADING), String(IDS_TANK_STEPS_HEADING));
    EXPECT_EQ(Text(steps, IDC_WIZARD_NEXT), String(IDS_TANK_NEXT));
    // The user has fitted a new cyan tank.
    host.ink.nColorLevel1 = 100;
    host.requests.clear();
    Press(steps, IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
    HWND check = ActivePageOf(kTankSheet1);
    EXPECT_EQ(Control<CGUIInkTank>(check, IDC_INK_TANK4)->GetShownLevel(), 100);
    std::string cyan = Text(check, IDC_TANK_STATE2);
    EXPECT_EQ(cyan.find(String(IDS_TANK_INK_CYAN)), 0u) << cyan;
    EXPECT_EQ(Text(check, IDC_WIZARD_NEXT), String(IDS_TANK_FINISH));
    Press(check, IDC_WIZARD_BACK);
    EXPECT_EQ(Sheet(kTankSheet1)->GetActiveIndex(), 0);
    Press(ActivePageOf(kTankSheet1), IDC_WIZARD_HELP);
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls().back().number, 219u);
}

class InkTanksReentrancyTest : public InkTanksPageTest {
protected:
    InkTanksReentrancyTest() { LeaveModuleState(); }
};

TEST_F(InkTanksReentrancyTest, AHostClosingTheModuleEndsAModalTankWizard) {
    ASSERT_EQ(Open(103), 1);
    HWND window = *Main();
    HWND page = *Main()->GetPageSheet()->GetQorPage(kInkPage);
    // The host's own timer fires inside the wizard's loop and closes the module.
    ::SetTimer(nullptr, 0, 1, &TerminateFromTheHostsTimer);
    {
        CModuleStateScope state(QorModuleState());
        Press(page, IDC_INK_INSTALL_LINK);
    }
    EXPECT_TRUE(log.Contains("CTankStepsPage::OnInitDialog()"));
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(g_pQORTabDlg, nullptr);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(::FindWindowA("#32770", nullptr), nullptr);
}

TEST_F(InkTanksPageTest, TabReachesEveryLinkInOrderAndEnterFollowsTheFocusedOne) {
    HWND page = OpenPage();
    const UINT order[] = {IDC_INK_INSTALL_LINK, IDC_INK_TEST_PAGE_LINK, IDC_INK_ALIGN_LINK,
                          IDC_INK_CLEAN_LINK,   IDC_TANKS_SHEET2_LINK,  IDC_TANKS_HELP_LINK,
                          IDC_INK_ORDER_LINK,   IDC_TANKS_SOFTWARE_LINK};
    ::SetFocus(Item(page, order[0]));
    for (size_t index = 1; index < std::size(order); ++index) {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        Pump();
        EXPECT_EQ(::GetFocus(), Item(page, order[index])) << order[index];
    }
    // Enter on the focused help link follows it, through the host's message filter.
    ::SetFocus(Item(page, IDC_TANKS_HELP_LINK));
    Calls().clear();
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageA(::GetFocus(), WM_KEYUP, VK_RETURN, 0xC0000001);
    Pump();
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, VQTR_UI_HELP);
    EXPECT_EQ(Calls()[0].number, 219u);
}
