// The post-install wizard's middle pages and its two-step end: the cartridge value pages and what
// they send, the automatic alignment page, the closing page's bookkeeping and finish, and how
// each of them leaves the wizard.
#include "InstallWizardFixture.h"

#include <shlobj.h>

namespace {
using P = InstallPage;

INKINFO Ink(DWORD carrier, DWORD left, DWORD right) {
    INKINFO ink{};
    ink.dwCarrierType = carrier;
    ink.LogCartID1 = ink.PhyCartID1 = left;
    ink.LogCartID2 = ink.PhyCartID2 = right;
    return ink;
}

const INKINFO kPhoto = Ink(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_PHOTO);
const INKINFO kBlackMissing = Ink(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_MISSING);
const INKINFO kOneBlack = Ink(QOR_CARRIER_SINGLE, QOR_CART_BLACK, QOR_CART_MISSING);

// The status monitor's shortcut as the resource module names it.
constexpr const char* kMonitorShortcut = "Q710 Status Monitor";
} // namespace

class InstallMiddlePageTest : public InstallWizardTest {
protected:
    ~InstallMiddlePageTest() override {
        ::DeleteFileA(MonitorShortcut().c_str());
        ::DeleteFileA(centre.c_str());
    }
    static std::string MonitorShortcut() {
        return std::string(LinkFileName(DesktopFolder(), kMonitorShortcut));
    }
    // Whether the log, from logStart on, shows the program started.
    bool Launched(const std::string& program) const {
        const std::vector<std::string> lines = log.Lines();
        bool launching = false;
        for (size_t index = logStart; index < lines.size(); ++index) {
            const std::string& line = lines[index];
            if (launching && line.find(program) != std::string::npos)
                return true;
            launching = line.find("lanuch program file exe") != std::string::npos;
        }
        return false;
    }
    // The all-in-one centre's program, present as the wizard looks for it.
    void InstallCentre() {
        char folder[MAX_PATH] = {};
        DWORD size = sizeof folder;
        ASSERT_EQ(::RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                 "ProgramFilesDir (x86)", RRF_RT_REG_SZ, nullptr, folder, &size),
                  ERROR_SUCCESS);
        const std::string productFolder = std::string(folder) + "\\Corvane Q710 Series";
        ::SHCreateDirectoryExA(nullptr, productFolder.c_str(), nullptr);
        centre = productFolder + "\\vqtraiox.exe";
        centreFile.reset();
        centreFile = std::make_unique<testing_support::TempFile>(centre, "");
    }
    bool DateWritten() const {
        return log.Contains("System Date for Installtime Entry - before creating in the registry:");
    }

    // Another run in the same test: its own requests and its own part of the log.
    void StartRun(const INKINFO& ink) {
        host.requests.clear();
        host.ink = ink;
        logStart = log.Lines().size();
    }

    std::string centre;
    std::unique_ptr<testing_support::TempFile> centreFile;
    size_t logStart = 0;
};

TEST_F(InstallMiddlePageTest, TheTwoCartridgePageSendsItsFiveValuesOnlyWhenEachFitsItsGroup) {
    ASSERT_EQ(Open(400), 1);
    ::SendMessageA(Item(IDC_INSTALL_ALIGN_CHECK), BM_SETCHECK, BST_CHECKED, 0);
    Press(IDC_WIZARD_NEXT);
    ASSERT_EQ(Shown(), P::CartPage2);
    Type({{IDC_ALIGN_VALUE_A, "14"},
          {IDC_ALIGN_VALUE_B, "0"},
          {IDC_ALIGN_VALUE_C, "20"},
          {IDC_ALIGN_VALUE_D, "7"},
          {IDC_ALIGN_VALUE_E, "5"}});
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Count(CBSendAlignment), 0);
    ASSERT_EQ(Shown(), P::CartPage2);
    EXPECT_EQ(::GetFocus(), Item(IDC_ALIGN_VALUE_E));
    Type({{IDC_ALIGN_VALUE_E, "4"}});
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Count(CBSendAlignment), 1);
    const ALIGNINFO& align = Main()->m_Records.align;
    const std::pair<int, DWORD> fields[] = {{1, 14}, {2, 0}, {3, 20}, {4, 7},
                                            {5, 20}, {6, 7}, {12, 4}};
    for (const auto& [field, value] : fields)
        EXPECT_EQ(align.dwValue[field], value) << "field " << field;
    // No application to offer: the page after the language page.
    EXPECT_EQ(Shown(), P::Page4);
    // Back on the value page leads to the welcome page, where the page may be printed again.
    Sheet()->ShowInstallPage(P::CartPage2);
    Press(IDC_WIZARD_BACK);
    EXPECT_EQ(Shown(), P::Page1);
}

// Each carrier gets its value page; the edges of its ranges, and what the host is asked once
// the values go.
TEST_F(InstallMiddlePageTest, EachCarrierHasItsValuePageWithItsRanges) {
    struct Case {
        const char* name;
        INKINFO ink;
        P page;
        std::vector<std::pair<UINT, const char*>> refused;
        std::vector<std::pair<UINT, const char*>> accepted;
        bool closesSession;
    };
    const Case cases[] = {
        {"photo cartridge",
         kPhoto,
         P::PhotoCartPage2,
         {{IDC_ALIGN_VALUE_A, "30"},
          {IDC_ALIGN_VALUE_B, "16"},
          {IDC_ALIGN_VALUE_C, "0"},
          {IDC_ALIGN_VALUE_D, "30"}},
         {{IDC_ALIGN_VALUE_B, "15"}},
         false},
        {"one cartridge on a two-position carrier",
         kBlackMissing,
         P::SingleCartPage2,
         {{IDC_ALIGN_VALUE_A, "21"}},
         {{IDC_ALIGN_VALUE_A, "20"}},
         true},
        {"one cartridge on a one-position carrier",
         kOneBlack,
         P::SingleCartPage2,
         {{IDC_ALIGN_VALUE_A, "15"}},
         {{IDC_ALIGN_VALUE_A, "14"}},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartRun(c.ink);
        ASSERT_EQ(Open(416), 1);
        ASSERT_EQ(Shown(), c.page);
        Type(c.refused);
        Press(IDC_WIZARD_NEXT);
        EXPECT_EQ(host.Count(CBSendAlignment), 0);
        ASSERT_EQ(Shown(), c.page);
        Type(c.accepted);
        Press(IDC_WIZARD_NEXT);
        const std::vector<int> codes = host.Codes();
        const auto sent = std::find(codes.begin(), codes.end(), CBSendAlignment);
        ASSERT_NE(sent, codes.end());
        const bool closed = sent + 1 != codes.end() && sent[1] == CBCloseSession;
        EXPECT_EQ(closed, c.closesSession);
        // Every application settled (none is offered): past the language page.
        EXPECT_EQ(Shown(), P::Page4);
        EntryTerminateNow();
    }
}

// How each middle page leaves the wizard by Exit: the shortcut it makes, and none of them writes
// the installation date; the module closes.
TEST_F(InstallMiddlePageTest, ExitOnAMiddlePageMakesItsShortcutAndWritesNoDate) {
    struct Case {
        const char* name;
        INKINFO ink;
        std::vector<std::pair<std::string, std::string>> changes;
        UINT exit;
        bool printerShortcut;
        bool monitorShortcut;
    };
    const Case cases[] = {
        {"two cartridges",
         Ink(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_BLACK),
         {},
         IDC_WIZARD_CANCEL,
         true,
         false},
        {"two cartridges, two-step wizard",
         Ink(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_BLACK),
         {{"IDO_2STEP_INSTALLWIZARD_OPTION", "1"}},
         IDC_WIZARD_CANCEL,
         false,
         true},
        {"photo cartridge", kPhoto, {}, IDC_WIZARD_CANCEL, false, false},
        {"one cartridge", kOneBlack, {}, IDC_WIZARD_CANCEL, false, false},
        {"automatic alignment",
         kPhoto,
         {{"IDO_SUPPORT_AUTOALIGNMENT", "1"}},
         IDC_INSTALL_AUTO_ALIGN_EXIT,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestOptions model{InstallModelWith(c.changes)};
        StartRun(c.ink);
        ASSERT_EQ(Open(416), 1);
        Press(c.exit);
        EXPECT_EQ(Main(), nullptr);
        EXPECT_EQ(host.Count(CBCloseSession), 1);
        EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
        EXPECT_EQ(Exists(shortcut), c.printerShortcut);
        EXPECT_EQ(Exists(MonitorShortcut()), c.monitorShortcut);
        EXPECT_FALSE(DateWritten());
        EXPECT_EQ(InstallRunning(), 0);
        ::DeleteFileA(shortcut.c_str());
        ::DeleteFileA(MonitorShortcut().c_str());
    }
}

TEST_F(InstallMiddlePageTest, OnAnAllInOneTheCartridgePagesExitStartsTheCentre) {
    TestOptions model{InstallModelWith({{"IDO_AIO_FAMILY", "1"}})};
    host.ink = kPhoto;
    ASSERT_EQ(Open(416), 1);
    ASSERT_EQ(Shown(), P::PhotoCartPage2);
    Press(IDC_WIZARD_CANCEL);
    EXPECT_EQ(Main(), nullptr);
    // The photo page starts the centre without looking for it first, and makes no shortcut.
    EXPECT_TRUE(Launched("vqtraiox.exe"));
    EXPECT_TRUE(log.Contains("No device install in progress."));
    EXPECT_FALSE(Exists(shortcut));
}

TEST_F(InstallMiddlePageTest, TheAutomaticAlignmentPageGoesOnBackAndOutByItsOwnCommands) {
    TestOptions model{InstallModelWith({{"IDO_SUPPORT_AUTOALIGNMENT", "1"}})};
    ASSERT_EQ(Open(400), 1);
    ::SendMessageA(Item(IDC_INSTALL_ALIGN_CHECK), BM_SETCHECK, BST_CHECKED, 0);
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.FilesSent().size(), 1u);
    ASSERT_EQ(Shown(), P::AutoAlignPage2);
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_INSTALL_REGISTRATION_TEXT)));
    Press(IDC_WIZARD_BACK);
    ASSERT_EQ(Shown(), P::Page1);
    Sheet()->ShowInstallPage(P::AutoAlignPage2);
    Calls().clear();
    Press(IDC_WIZARD_HELP);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].number, 261u);
    // Enter continues (Continue is 6000 on this page), Escape exits.
    ::SendMessageA(*Sheet(), WM_COMMAND, IDOK, 0);
    ASSERT_EQ(Shown(), P::Page4);
    EXPECT_EQ(host.Count(CBCloseSession), 0);
    Sheet()->ShowInstallPage(P::AutoAlignPage2);
    ::SendMessageA(*Sheet(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_TRUE(Exists(shortcut));
}

TEST_F(InstallMiddlePageTest, TheAutomaticAlignmentPageWaitsForAReadyPrinter) {
    TestOptions model{InstallModelWith({{"IDO_SUPPORT_AUTOALIGNMENT", "1"}})};
    ASSERT_EQ(Open(416), 1);
    ASSERT_EQ(Shown(), P::AutoAlignPage2);
    host.status.dwStatus = QOR_STATUS_BUSY;
    {
        AlertDriver alerts;
        Press(IDC_INSTALL_AUTO_ALIGN_CONTINUE);
        EXPECT_EQ(alerts.Alerts().size(), 1u);
    }
    EXPECT_EQ(Shown(), P::AutoAlignPage2);
    host.status.dwStatus = QOR_STATUS_READY;
    Press(IDC_INSTALL_AUTO_ALIGN_CONTINUE);
    EXPECT_EQ(Shown(), P::Page4);
}

class InstallCongratsTest : public InstallMiddlePageTest {
protected:
    static inline const std::vector<std::pair<std::string, std::string>> kBookkeeping = {
        {"IDO_2STEP_INSTALLWIZARD_OPTION", "1"},
        {"IDO_PLC_KEYNAME_POSTINSTALLOPENAIOC", "PostInstallOpenAioCenter"},
        {"IDO_KEY_NAME_CART_ALREADY_ORDERED", "CartAlreadyOrdered"},
        {"IDO_KEY_NAME_WARNING1_ALREADY_OCCURED_BLACK", "Warning1OccurredBlack"},
        {"IDO_KEY_NAME_WARNING2_ALREADY_OCCURED_BALCK", "Warning2OccurredBlack"},
        {"IDO_KEY_NAME_WARNING1_ALREADY_OCCURED_COLOR", "Warning1OccurredColor"},
        {"IDO_KEY_NAME_WARNING2_ALREADY_OCCURED_COLOR", "Warning2OccurredColor"},
    };
    static std::vector<std::pair<std::string, std::string>>
    Model(std::vector<std::pair<std::string, std::string>> changes = {}) {
        changes.insert(changes.begin(), kBookkeeping.begin(), kBookkeeping.end());
        return InstallModelWith(changes);
    }
    // Opens the two-step wizard: with no application to offer it starts on its closing page.
    void OpenOnClosingPage() {
        ASSERT_EQ(Open(400), 1);
        ASSERT_NE(Sheet(), nullptr);
        ASSERT_EQ(Sheet()->Plan(), (std::vector<P>{P::Page1, P::CartPage2, P::Congrats}));
        ASSERT_EQ(Shown(), P::Congrats);
    }
};

TEST_F(InstallCongratsTest, TheClosingPageStartsTheLowInkBookkeepingAndKeepsWhatIsThere) {
    TestOptions model{Model()};
    const std::string psw =
        "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + printer + "\\PSW";
    const DWORD occurred = 1;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, psw.c_str(), "Warning1OccurredBlack", REG_DWORD,
                                &occurred, sizeof occurred),
              ERROR_SUCCESS);
    ASSERT_NO_FATAL_FAILURE(OpenOnClosingPage());
    EXPECT_EQ(PrinterValue("PSW", "Warning1OccurredBlack"), 1);
    for (const char* name : {"CartAlreadyOrdered", "Warning2OccurredBlack", "Warning1OccurredColor",
                             "Warning2OccurredColor"})
        EXPECT_EQ(PrinterValue("PSW", name), 0) << name;
    // Not an all-in-one: no centre to offer.
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_INSTALL_START_CENTRE_CHECK)));
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(host.Count(CBCloseSession), 1);
    EXPECT_TRUE(Exists(MonitorShortcut()));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_FALSE(DateWritten());
    EXPECT_EQ(InstallRunning(), 0);
}

TEST_F(InstallCongratsTest, OnANetworkPortTheClosingPagePutsNoShortcut) {
    TestOptions model{Model()};
    host.port.dwPortType = 5;
    ASSERT_NO_FATAL_FAILURE(OpenOnClosingPage());
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_FALSE(Exists(MonitorShortcut()));
}

// On an all-in-one, the box and the preload file's answer choose between the centre and the
// background manager; "Default" leaves it to the box.
TEST_F(InstallCongratsTest, TheBoxAndThePreloadAnswerStartTheCentreOrTheBackgroundManager) {
    struct Case {
        const char* preload;
        bool centreInstalled;
        bool ticked;
        bool enabled;
        const char* started;
    };
    const Case cases[] = {
        {nullptr, true, true, true, "vqtraiox.exe"},
        {"Default", true, true, true, "vqtraiox.exe"},
        {"0", true, false, true, "vqtrbmgr.exe"},
        {"1", false, false, false, "vqtraiox.exe"},
        {"Default", false, false, false, "vqtrbmgr.exe"},
    };
    TestOptions model{Model({{"IDO_AIO_FAMILY", "1"}})};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.preload ? c.preload : "no preload") +
                     (c.centreInstalled ? ", centre installed" : ""));
        StartRun(host.ink);
        if (c.preload)
            Preload(std::string("PostInstallOpenAioCenter=") + c.preload + "\n");
        else
            preload.reset();
        if (c.centreInstalled)
            InstallCentre();
        else
            centreFile.reset();
        ASSERT_NO_FATAL_FAILURE(OpenOnClosingPage());
        EXPECT_EQ(Checked(IDC_INSTALL_START_CENTRE_CHECK), c.ticked);
        EXPECT_EQ(::IsWindowEnabled(Item(IDC_INSTALL_START_CENTRE_CHECK)) != FALSE, c.enabled);
        Press(IDC_WIZARD_NEXT);
        EXPECT_EQ(Main(), nullptr);
        EXPECT_TRUE(Launched(c.started));
        ::DeleteFileA(MonitorShortcut().c_str());
    }
}

// The standard closing sequence on an all-in-one with its centre installed: the centre's
// shortcut and start, each of which the preload file may refuse, and the installation date.
TEST_F(InstallMiddlePageTest, TheStandardClosingOnAnAllInOneMakesTheCentresShortcutAndStartsIt) {
    struct Case {
        const char* preload;
        bool shortcut;
        bool started;
    };
    const Case cases[] = {
        {"", true, true},
        {"DesktopIcon2=0\n", false, true},
        {"LaunchAioCenter=0\n", true, false},
    };
    TestOptions model{InstallModelWith({{"IDO_AIO_FAMILY", "1"}})};
    ASSERT_NO_FATAL_FAILURE(InstallCentre());
    const std::string centreShortcut =
        std::string(LinkFileName(DesktopFolder(), "All-in-One Center"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preload);
        StartRun(host.ink);
        ::DeleteFileA(centreShortcut.c_str());
        Preload(c.preload);
        ASSERT_EQ(Open(400), 1);
        Press(IDC_WIZARD_CANCEL); // Exit on the welcome page
        EXPECT_EQ(Main(), nullptr);
        EXPECT_EQ(Exists(centreShortcut), c.shortcut);
        EXPECT_EQ(Launched("vqtraiox.exe"), c.started);
        EXPECT_TRUE(DateWritten());
    }
    ::DeleteFileA(centreShortcut.c_str());
}
