// The post-install wizard driven through its buttons: where each topic opens it, the way through
// its pages, what its ends leave behind, and the wizard run hidden.
#include "InstallWizardFixture.h"
#include "install/InstallBackendPage1.h"

namespace {
using P = InstallPage;
// The pages of the wizard on the test printer (two cartridges): no application is offered, so
// there is no language page...
const std::vector<P> kPages{P::Page1, P::CartPage2, P::Page4, P::Page5, P::AreYouSure, P::Page3};
// ...except where a topic opens the wizard on a given page: the language page is always there.
const std::vector<P> kTopicPages{P::Page1, P::CartPage2,  P::SelectLanguage, P::Page4,
                                 P::Page5, P::AreYouSure, P::Page3};
} // namespace

TEST_F(InstallWizardTest, EachTopicOpensTheWizardOnItsPage) {
    struct Case {
        int topic;
        P shown;
        const std::vector<P>& pages;
    };
    // 600 comes after the topics that added a language page during this load of the module.
    const Case cases[] = {
        {400, P::Page1, kPages},           {410, P::SelectLanguage, kTopicPages},
        {412, P::Page3, kTopicPages},      {413, P::Page4, kTopicPages},
        {414, P::AreYouSure, kTopicPages}, {415, P::Page5, kTopicPages},
        {416, P::CartPage2, kTopicPages},  {600, P::Page5, kPages},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        g_bOpenedByTopic600 = 0;
        ASSERT_EQ(Open(c.topic), 1);
        ASSERT_NE(Sheet(), nullptr);
        EXPECT_TRUE(Sheet()->IsWindowVisible());
        EXPECT_EQ(Sheet()->Plan(), c.pages);
        EXPECT_EQ(Shown(), c.shown);
        EntryTerminateNow();
    }
}

TEST_F(InstallWizardTest, TheInkTankPrinterAlignsOnPage2AndItsValuesGoToTheRecord) {
    host.ink.dwCarrierType = QOR_CARRIER_INK_TANKS;
    ASSERT_EQ(Open(400), 1);
    ASSERT_EQ(Shown(), P::Page1);
    ::SendMessageA(Item(IDC_INSTALL_ALIGN_CHECK), BM_SETCHECK, BST_CHECKED, 0);
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.FilesSent(), std::vector<std::string>{"vqtralbi.out"});
    ASSERT_EQ(Shown(), P::Page2);
    const UINT fields[] = {IDC_ALIGN_VALUE_A, IDC_ALIGN_VALUE_B, IDC_ALIGN_VALUE_C,
                           IDC_ALIGN_VALUE_D, IDC_ALIGN_VALUE_E};
    const char* const values[] = {"3", "14", "0", "30", "15"};
    for (size_t index = 0; index < 5; ++index)
        ::SetWindowTextA(Item(fields[index]), values[index]);
    Main()->m_Records.align.dwValue[15] = 99;
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Count(CBSendAlignment), 1);
    const DWORD expected[QOR_ALIGN_VALUES] = {1, 0,  0,  0, 0, 0, 0, 3, 14,
                                              0, 30, 15, 0, 0, 0, 0, 0, 0};
    for (int field = 0; field < QOR_ALIGN_VALUES; ++field)
        EXPECT_EQ(Main()->m_Records.align.dwValue[field], expected[field]) << field;
    EXPECT_EQ(Shown(), P::Page4);
}

TEST_F(InstallWizardTest, AValueOutOfRangeKeepsPage2AndSendsNothing) {
    host.ink.dwCarrierType = QOR_CARRIER_INK_TANKS;
    ASSERT_EQ(Open(416), 1);
    ASSERT_EQ(Shown(), P::Page2);
    ::SetWindowTextA(Item(IDC_ALIGN_VALUE_C), "31");
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Count(CBSendAlignment), 0);
    EXPECT_EQ(Shown(), P::Page2);
}

TEST_F(InstallWizardTest, TheWayThroughRegistrationEndsWithTheShortcutAndTheModuleClosed) {
    ASSERT_EQ(Open(400), 1);
    EXPECT_EQ(InstallRunning(), 1);
    ::SendMessageA(Item(IDC_INSTALL_ALIGN_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    Press(IDC_WIZARD_NEXT);
    ASSERT_EQ(Shown(), P::Page4);
    Press(IDC_WIZARD_NEXT);
    ASSERT_EQ(Shown(), P::Page5);
    Press(IDC_INSTALL_LATER);
    ASSERT_EQ(Shown(), P::AreYouSure);
    Press(IDC_WIZARD_BACK);
    ASSERT_EQ(Shown(), P::Page5);
    Calls().clear();
    Press(IDC_WIZARD_NEXT);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, 3); // the registration web page
    EXPECT_NE(Calls()[0].text.find("register/index.html"), std::string::npos);
    ASSERT_EQ(Shown(), P::Page3);
    EXPECT_TRUE(Checked(IDC_INSTALL_DESKTOP_ICON_CHECK));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_INSTALL_START_CENTRE_CHECK)));
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
    EXPECT_EQ(InstallRunning(), 0);
    EXPECT_TRUE(Exists(shortcut));
    EXPECT_TRUE(log.Contains("CInstallBackendPage3::Finish()"));
}

TEST_F(InstallWizardTest, APreloadZeroUnticksTheDesktopIconAndTheReminder) {
    Preload("DesktopIcon1=0\nRemindMe=0\n");
    ASSERT_EQ(Open(412), 1);
    EXPECT_FALSE(Checked(IDC_INSTALL_DESKTOP_ICON_CHECK));
    Sheet()->ShowInstallPage(P::AreYouSure);
    EXPECT_FALSE(Checked(IDC_INSTALL_REMIND_CHECK));
    Press(IDC_WIZARD_CANCEL); // Finish: no reminder, so no installation date
    EXPECT_EQ(Main(), nullptr);
    EXPECT_FALSE(
        log.Contains("System Date for Installtime Entry - before creating in the registry:"));
    // The preload file refuses the shortcut in the closing sequence too.
    EXPECT_FALSE(Exists(shortcut));
}

TEST_F(InstallWizardTest, ExitOnPage1ClosesTheSessionWritesTheDateAndTheShortcut) {
    ASSERT_EQ(Open(400), 1);
    Press(IDC_WIZARD_CANCEL);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(host.Count(CBCloseSession), 1);
    EXPECT_TRUE(
        log.Contains("System Date for Installtime Entry - before creating in the registry:"));
    EXPECT_TRUE(Exists(shortcut));
    EXPECT_EQ(InstallRunning(), 0);
}

TEST_F(InstallWizardTest, InstallRunningGoesBackTo0WhenTheHostClosesTheModule) {
    ASSERT_EQ(Open(413), 1);
    EXPECT_EQ(InstallRunning(), 1);
    EntryTerminateNow();
    EXPECT_EQ(InstallRunning(), 0);
}

TEST_F(InstallWizardTest, AHostThatClosesTheModuleDuringTheReadinessCheckIsNotTouchedAfter) {
    ASSERT_EQ(Open(400), 1);
    ::SendMessageA(Item(IDC_INSTALL_ALIGN_CHECK), BM_SETCHECK, BST_CHECKED, 0);
    host.answer = [](int code, void*) {
        if (code == CBGetStatus)
            EntryTerminateNow();
        return 1;
    };
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_TRUE(host.FilesSent().empty());
    EXPECT_EQ(InstallRunning(), 0);
}

TEST_F(InstallWizardTest, AnUnknownCarrierIsRefusedWithAMessage) {
    host.ink.dwCarrierType = 7;
    EXPECT_EQ(Open(410), 0);
    EXPECT_EQ(Main(), nullptr);
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].kind, 1);
    EXPECT_TRUE(log.Contains("CInstallBackendWizardSheet: no middle page for this carrier"));
    EXPECT_EQ(InstallRunning(), 0);
}

TEST_F(InstallWizardTest, ASecondTopicWhileTheWizardIsOpenOpensNoSecondOne) {
    ASSERT_EQ(Open(415), 1);
    CInstallBackendWizardSheet* first = Sheet();
    EntryDisplayTopic(413, &host.status);
    EXPECT_EQ(Sheet(), first);
    EXPECT_EQ(Shown(), P::Page5);
}

TEST_F(InstallWizardTest, TheSilentSetupMakesTheShortcutWritesTheDateAndClosesWithReason5) {
    const std::string driverData =
        "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + printer + "\\PrinterDriverData";
    const std::string original = "Original " + printer;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, driverData.c_str(), "OriginalFriendlyName",
                                REG_SZ, original.c_str(), static_cast<DWORD>(original.size() + 1)),
              ERROR_SUCCESS);
    const std::string settings = "SOFTWARE\\Corvane\\IJPrtSettings\\" + original;
    EXPECT_EQ(Open(401), 1);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBOpenSession, CBCloseSession, CBNotifyQORClosed}));
    EXPECT_TRUE(Exists(shortcut));
    char date[16] = {};
    DWORD size = sizeof date;
    ASSERT_EQ(::RegGetValueA(HKEY_LOCAL_MACHINE, settings.c_str(), "InstallTime", RRF_RT_REG_SZ,
                             nullptr, date, &size),
              ERROR_SUCCESS);
    SYSTEMTIME now{};
    ::GetSystemTime(&now);
    EXPECT_EQ(std::string(date), std::string(InstallDateText(now)));
    EXPECT_EQ(PrinterValue("JSW", "Show Process Window"), 1);
    EXPECT_EQ(PrinterValue("AUTOMEDIA", "Auto Media"), 1);
    EXPECT_EQ(InstallRunning(), 0);
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvane\\IJPrtSettings");
}

TEST_F(InstallWizardTest, PostInstallWithPreloadZeroRunsHiddenAndOffersNothing) {
    Preload("PostInstallDialogs=0\n");
    EXPECT_EQ(Open(400), 0);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
    EXPECT_TRUE(Exists(shortcut));
}

TEST_F(InstallWizardTest, WithTheMainWindowOpenTheWizardOpensBesideIt) {
    ASSERT_EQ(Open(kTopicAdvanced), 1);
    EXPECT_EQ(EntryDisplayTopic(414, &host.status), 1);
    ASSERT_NE(Sheet(), nullptr);
    EXPECT_EQ(Shown(), P::AreYouSure);
    EXPECT_EQ(ActivePage(), kAdvancedPage);
    Press(IDC_WIZARD_CANCEL); // Finish
    // The main window keeps the module open: only the wizard has gone.
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->HasMainWindow());
    EXPECT_FALSE(Main()->m_Slots.IsOpen(kInstallSheet));
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 0);
    EXPECT_EQ(InstallRunning(), 0);
}

TEST_F(InstallWizardTest, EnterMovesOnAndEscapeLeavesAsThePageSays) {
    ASSERT_EQ(Open(400), 1);
    ::SendMessageA(Item(IDC_INSTALL_ALIGN_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    // The focus starts on the page's first stop; Tab reaches its buttons.
    EXPECT_TRUE(::GetWindowLongA(Item(IDC_INSTALL_ALIGN_CHECK), GWL_STYLE) & WS_TABSTOP);
    ::SendMessageA(*Sheet(), WM_COMMAND, IDOK, 0);
    ASSERT_EQ(Shown(), P::Page4);
    ::SendMessageA(*Sheet(), WM_COMMAND, IDOK, 0);
    ASSERT_EQ(Shown(), P::Page5);
    ::SendMessageA(*Sheet(), WM_COMMAND, IDCANCEL, 0); // Exit: the closing sequence
    EXPECT_EQ(Main(), nullptr);
    // Page4's Next closed the session once, the closing sequence once more.
    EXPECT_EQ(host.Count(CBCloseSession), 2);
}
