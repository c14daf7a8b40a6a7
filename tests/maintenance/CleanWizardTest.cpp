// The clean-and-test wizard driven through its buttons: the cleaning page printed, printed again
// and the wizard finished; the ways it stops; topic 305; and the clean-rollers dialog.
#include "../inkpage/InkTestSupport.h"
#include "../main/MainWindowFixture.h"
#include "maintenance/CleanAndTestSheet.h"
#include "maintenance/CleanResultPage.h"
#include "pages/InkCartridgePage.h"

#include <functional>
#include <string>

namespace {
std::string String(UINT id) {
    CString text;
    text.LoadString(id);
    return text.c_str();
}

// A model with two cartridge positions and the options the tests change; every other option
// reads as unset.
std::vector<std::pair<std::string, std::string>> CleaningModel(const char* ramps = "1") {
    return {{"IDO_PRINTSTYLE", "1"},
            {"IDO_PRINTHEADFORMAT", "1"},
            {"IDO_CLEANPAGE_RAMPS", ramps},
            {"IDO_SUPPORT_CLEANROLLERS", "1"},
            {"IDO_SPECIFY_CARTRIDGE_INFO", "0"}};
}
} // namespace

class CleanWizardTest : public MainWindowTest {
protected:
    // Opens the wizard as topic 305 does on the first run: modeless, in its slot.
    CCleanAndTestSheet* OpenWizard() {
        EXPECT_EQ(Open(305), 1);
        return Wizard();
    }
    static CCleanAndTestSheet* Wizard() {
        return Main() ? Main()->m_Slots.GetAs<CCleanAndTestSheet>(kCleanSheet) : nullptr;
    }
    static HWND PageWindow() { return *Wizard()->GetActivePage(); }
    static void Press(UINT id) {
        HWND page = PageWindow();
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(page, static_cast<int>(id))));
    }
    static std::string Shown(UINT id) {
        return Wizard()->GetActivePage()->GetDlgItemText(static_cast<int>(id)).c_str();
    }
    static bool Visible(UINT id) {
        return ::IsWindowVisible(::GetDlgItem(PageWindow(), static_cast<int>(id))) != FALSE;
    }
    static UINT Pattern() {
        auto* page = dynamic_cast<CCleanResultPage*>(Wizard()->GetActivePage());
        return page ? page->PatternBitmap() : 0;
    }
    std::vector<std::string> FilesSent() const { return host.FilesSent(); }
    std::vector<std::string> MessageBoxes() const {
        std::vector<std::string> texts;
        for (const UiCall& call : Calls())
            if (call.kind == VQTR_UI_MESSAGE_BOX)
                texts.push_back(call.text);
        return texts;
    }
    CQORInkCartridgePage& InkPage() {
        EXPECT_EQ(Open(103), 1);
        return *dynamic_cast<CQORInkCartridgePage*>(Main()->GetPageSheet()->GetQorPage(kInkPage));
    }

    TestOptions options{CleaningModel()};
};

TEST_F(CleanWizardTest, PrintPrintAgainAndFinishAskTheHostInTheirOrder) {
    ASSERT_NE(OpenWizard(), nullptr);
    EXPECT_EQ(Wizard()->GetPageCount(), 3);
    EXPECT_EQ(Shown(IDC_CLEAN_HEADING), String(IDS_CLEAN_HEADING));

    host.requests.clear();
    TestLog printLog;
    Press(IDC_CLEAN_PRINT);
    // Readiness on fresh status, the session, then the file of a colour and a black cartridge.
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBOpenSession, CBSendFile}));
    EXPECT_EQ(FilesSent(), std::vector<std::string>{"vqtrcln.out"});
    ASSERT_EQ(Wizard()->GetActiveIndex(), 1);
    EXPECT_EQ(Pattern(), static_cast<UINT>(IDB_CLEAN_PATTERN_BOTH));
    EXPECT_EQ(Shown(IDC_CLEAN_FINISH), String(IDS_CLEAN_FINISH));
    EXPECT_EQ(Shown(IDC_CLEAN_PRINT_AGAIN), String(IDS_CLEAN_PRINT_AGAIN));
    EXPECT_TRUE(printLog.HasSequence(
        {"CCleanAndTestCartPage1::OnPrintButton()", "CQORTabDlg::IsPrinterReady()"}));
    EXPECT_TRUE(printLog.HasSequence({"CCleanAndTestCartPage1::OnPrintButton() <1>"}));
    EXPECT_TRUE(printLog.HasSequence({"CCleanAndTestCartPage1::OnPrintButton() <2>"}));
    EXPECT_TRUE(printLog.HasSequence(
        {"CCleanAndTestCartPage1::OnPrintButton() CBSendFile", "vqtrcln.out"}));

    // Print again: the session stays as it is and the guard is not asked again.
    host.ink.bCartChanged1 = 1;
    host.requests.clear();
    Press(IDC_CLEAN_PRINT_AGAIN);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBSendFile}));
    EXPECT_EQ(FilesSent(), std::vector<std::string>{"vqtrcln.out"});
    EXPECT_TRUE(MessageBoxes().empty());
    ASSERT_EQ(Wizard()->GetActiveIndex(), 2);

    host.requests.clear();
    Press(IDC_CLEAN_FINISH);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBCloseSession, CBNotifyQORClosed}));
    // Nothing else was open: the module closed with its wizard.
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(CleanWizardTest, EnterPrintsAndEscapeEndsTheSessionOnEveryPage) {
    for (int pages = 0; pages < 3; ++pages) {
        SCOPED_TRACE(pages);
        ASSERT_NE(OpenWizard(), nullptr);
        // Enter prints on the start page; the first result page prints again by its button.
        if (pages > 0)
            ::SendMessageA(*Wizard(), WM_COMMAND, IDOK, 0);
        if (pages > 1)
            Press(IDC_CLEAN_PRINT_AGAIN);
        ASSERT_EQ(Wizard()->GetActiveIndex(), pages);
        host.requests.clear();
        ::SendMessageA(*Wizard(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(host.Codes(), (std::vector<int>{CBCloseSession, CBNotifyQORClosed}));
        EXPECT_EQ(Main(), nullptr);
    }
}

TEST_F(CleanWizardTest, ARefusedSessionLeavesTheStartPageWithoutAWord) {
    ASSERT_NE(OpenWizard(), nullptr);
    bool refuse = true;
    host.answer = [&refuse](int code, void*) { return code == CBOpenSession && refuse ? 0 : 1; };
    host.requests.clear();
    AlertDriver alerts;
    Press(IDC_CLEAN_PRINT);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBOpenSession}));
    EXPECT_EQ(Wizard()->GetActiveIndex(), 0);
    EXPECT_TRUE(alerts.Alerts().empty());
    EXPECT_TRUE(MessageBoxes().empty());
    // The user may press Print again once the printer is free.
    refuse = false;
    Press(IDC_CLEAN_PRINT);
    EXPECT_EQ(Wizard()->GetActiveIndex(), 1);
}

TEST_F(CleanWizardTest, ABusyPrinterGetsItsAlertAndPrintsNothing) {
    ASSERT_NE(OpenWizard(), nullptr);
    host.status.dwStatus = QOR_STATUS_BUSY;
    host.requests.clear();
    AlertDriver alerts;
    Press(IDC_CLEAN_PRINT);
    EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
    ASSERT_EQ(alerts.Alerts().size(), 1u);
    EXPECT_EQ(alerts.Alerts()[0].message, String(IDS_READY_BUSY));
    EXPECT_EQ(Wizard()->GetActiveIndex(), 0);
}

TEST_F(CleanWizardTest, AnUnconfirmedCartridgeChangeStopsThePrintAndKeepsTheSessionForCancel) {
    struct Case {
        DWORD carrier;
        DWORD changed1;
        DWORD changed2;
        bool blocked;
    };
    const Case cases[] = {
        {QOR_CARRIER_DUAL, 1, 0, true},
        {QOR_CARRIER_DUAL, 0, 1, true},
        {QOR_CARRIER_SINGLE, 1, 0, true},
        // One position: the second position's fields mean nothing.
        {QOR_CARRIER_SINGLE, 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.carrier << " " << c.changed1 << " " << c.changed2);
        host.ink.dwCarrierType = c.carrier;
        host.ink.bCartChanged1 = c.changed1;
        host.ink.bCartChanged2 = c.changed2;
        ASSERT_NE(OpenWizard(), nullptr);
        Calls().clear();
        host.requests.clear();
        Press(IDC_CLEAN_PRINT);
        EXPECT_EQ(FilesSent().empty(), c.blocked);
        EXPECT_EQ(MessageBoxes(), c.blocked
                                      ? std::vector<std::string>{String(IDS_CART_CHANGE_GUARD)}
                                      : std::vector<std::string>{});
        EXPECT_EQ(Wizard()->GetActiveIndex(), c.blocked ? 0 : 1);
        if (c.blocked) {
            EXPECT_EQ(Calls()[0].number, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
            host.requests.clear();
            Press(IDC_WIZARD_CANCEL);
            EXPECT_EQ(host.Codes(), (std::vector<int>{CBCloseSession, CBNotifyQORClosed}));
        }
        EntryTerminateNow();
    }
}

TEST_F(CleanWizardTest, TheCartridgesFittedChooseTheFileAndThePatternToExpect) {
    struct Case {
        const char* printStyle; // 2: the model also prints with one of its two cartridges
        DWORD carrier;
        DWORD left;
        DWORD right;
        const char* file; // null: nothing is sent
        UINT pattern;
    };
    const Case cases[] = {
        {"1", QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_BLACK, "vqtrcln.out",
         IDB_CLEAN_PATTERN_BOTH},
        {"1", QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_PHOTO, "vqtrphcl.out",
         IDB_CLEAN_PATTERN_BOTH},
        {"2", QOR_CARRIER_DUAL, QOR_CART_MISSING, QOR_CART_BLACK, "vqtrcln.out",
         IDB_CLEAN_PATTERN_BLACK},
        {"2", QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_MISSING, "vqtrcln.out",
         IDB_CLEAN_PATTERN_COLOUR},
        // Nothing to clean: no file, and still the result page.
        {"1", QOR_CARRIER_DUAL, QOR_CART_MISSING, QOR_CART_BLACK, nullptr,
         IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        {"1", QOR_CARRIER_DUAL, QOR_CART_MISSING, QOR_CART_MISSING, nullptr,
         IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        {"1", QOR_CARRIER_SINGLE, QOR_CART_BLACK, QOR_CART_MISSING, "vqtrkcln.out",
         IDB_CLEAN_PATTERN_SINGLE_BLACK},
        {"1", QOR_CARRIER_SINGLE, QOR_CART_COLOR, QOR_CART_MISSING, "vqtrccln.out",
         IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        {"1", QOR_CARRIER_SINGLE, QOR_CART_MISSING, QOR_CART_MISSING, nullptr,
         IDB_CLEAN_PATTERN_BOTH},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.printStyle << ", carrier " << c.carrier
                                        << " " << c.left << "/" << c.right);
        std::vector<std::pair<std::string, std::string>> options = CleaningModel();
        options.front().second = c.printStyle;
        TestOptions model(options);
        host.ink.dwCarrierType = c.carrier;
        host.ink.LogCartID1 = host.ink.PhyCartID1 = c.left;
        host.ink.LogCartID2 = host.ink.PhyCartID2 = c.right;
        const std::vector<std::string> files =
            c.file ? std::vector<std::string>{c.file} : std::vector<std::string>{};
        ASSERT_NE(OpenWizard(), nullptr);
        host.requests.clear();
        Press(IDC_CLEAN_PRINT);
        EXPECT_EQ(FilesSent(), files);
        ASSERT_EQ(Wizard()->GetActiveIndex(), 1);
        EXPECT_EQ(Pattern(), c.pattern);
        host.requests.clear();
        Press(IDC_CLEAN_PRINT_AGAIN);
        EXPECT_EQ(FilesSent(), files);
        ASSERT_EQ(Wizard()->GetActiveIndex(), 2);
        EXPECT_EQ(Pattern(), c.pattern);
        EntryTerminateNow();
    }
}

TEST_F(CleanWizardTest, TheRampsOptionChoosesTheInstructionsAndTheRampLines) {
    struct Case {
        const char* ramps;
        UINT instruction1;
        UINT instruction2;
        bool rampsShown;
    };
    const Case cases[] = {
        {"1", IDS_CLEAN_RAMPS_COMPARE, IDS_CLEAN_RAMPS_DONE, true},
        {"0", IDS_CLEAN_COMPARE, IDS_CLEAN_DONE, false},
        // A model that does not say prints its ramps.
        {"", IDS_CLEAN_RAMPS_COMPARE, IDS_CLEAN_RAMPS_DONE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ramps);
        TestOptions model(CleaningModel(c.ramps));
        ASSERT_NE(OpenWizard(), nullptr);
        Press(IDC_CLEAN_PRINT);
        for (int page = 1; page <= 2; ++page) {
            SCOPED_TRACE(page);
            ASSERT_EQ(Wizard()->GetActiveIndex(), page);
            EXPECT_EQ(Shown(IDC_CLEAN_INSTRUCTION1), String(c.instruction1));
            EXPECT_EQ(Shown(IDC_CLEAN_INSTRUCTION2), String(c.instruction2));
            for (UINT ramp : {IDC_CLEAN_RAMPS_LINES, IDC_CLEAN_RAMPS_EVEN, IDC_CLEAN_RAMPS_GAPS})
                EXPECT_EQ(Visible(ramp), c.rampsShown) << ramp;
            // Only the page after the second print speaks of a cartridge that stays blocked.
            EXPECT_EQ(Visible(IDC_CLEAN_RAMPS_STILL), c.rampsShown && page == 2);
            if (page == 1)
                Press(IDC_CLEAN_PRINT_AGAIN);
        }
        EntryTerminateNow();
    }
}

TEST_F(CleanWizardTest, AHostThatClosesTheModuleWhileAskedDuringPrintIsLeftAlone) {
    for (int closingRequest : {CBGetStatus, CBOpenSession, CBSendFile}) {
        SCOPED_TRACE(closingRequest);
        ASSERT_NE(OpenWizard(), nullptr);
        host.answer = [closingRequest](int code, void*) {
            if (code == closingRequest)
                EntryTerminateNow();
            return 1;
        };
        host.requests.clear();
        Press(IDC_CLEAN_PRINT);
        // Nothing was asked after the request that closed the module.
        ASSERT_FALSE(host.requests.empty());
        EXPECT_EQ(host.requests.back().code, closingRequest);
        EXPECT_EQ(Main(), nullptr);
        host.answer = nullptr;
    }
}

TEST_F(CleanWizardTest, Topic305OpensTheWizardUnlessThePrinterIsBusy) {
    struct Case {
        DWORD status;
        int result;
        std::vector<int> codes;
        bool alert;
    };
    const Case cases[] = {
        {QOR_STATUS_READY, 1, {CBGetStatus, CBOpenSession}, false},
        {QOR_STATUS_BUSY, 0, {CBGetStatus, CBNotifyQORClosed}, true},
        {QOR_STATUS_ALERT_BUSY, 0, {CBGetStatus, CBNotifyQORClosed}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        host.status.dwStatus = c.status;
        host.requests.clear();
        AlertDriver alerts;
        EXPECT_EQ(Open(305), c.result);
        EXPECT_EQ(host.Codes(), c.codes);
        EXPECT_EQ(alerts.Alerts().size(), c.alert ? 1u : 0u);
        EXPECT_EQ(Wizard() != nullptr && Wizard()->IsWindow(), !c.alert);
        EXPECT_EQ(Main() == nullptr, c.alert);
        EntryTerminateNow();
    }
}

TEST_F(CleanWizardTest, Topic305InTheOpenWindowRunsTheInkPagesCleaning) {
    ASSERT_EQ(Open(kTopicAdvanced), 1);
    host.requests.clear();
    AlignmentCanceller canceller(&AlignmentCanceller::PressCancel, IDS_CLEAN_TITLE);
    EXPECT_EQ(EntryDisplayTopic(305, &host.status), 1);
    EXPECT_EQ(ActivePage(), kInkPage);
    // The Ink page's checks, then the wizard, modal, until its user cancels it.
    std::vector<int> codes = host.Codes();
    EXPECT_EQ(std::vector<int>(codes.end() - 3, codes.end()),
              (std::vector<int>{CBGetStatus, CBOpenSession, CBCloseSession}));
    EXPECT_FALSE(Main()->HoldsSubWindows());
}

TEST_F(CleanWizardTest, AnInkTankPrinterIsToldThatItCleansItselfAndNothingIsSent) {
    host.ink.dwCarrierType = QOR_CARRIER_INK_TANKS;
    EXPECT_EQ(Open(305), 0);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBNotifyQORClosed}));
    EXPECT_EQ(MessageBoxes(), std::vector<std::string>{String(IDS_CLEAN_NOT_OFFERED)});
    EXPECT_EQ(Main(), nullptr);

    // In the open window of an ink-tank printer: the same word, and no request.
    ASSERT_EQ(Open(kTopicAdvanced), 1);
    Calls().clear();
    host.requests.clear();
    EXPECT_EQ(EntryDisplayTopic(305, &host.status), 1);
    EXPECT_EQ(MessageBoxes(), std::vector<std::string>{String(IDS_CLEAN_NOT_OFFERED)});
    EXPECT_EQ(host.Count(CBOpenSession), 0);
    EXPECT_EQ(host.Count(CBSendFile), 0);
    EXPECT_FALSE(Main()->HoldsSubWindows());

    // A sheet made anyway has no page and does not open.
    CCleanAndTestSheet sheet;
    EXPECT_EQ(sheet.GetPageCount(), 0);
    EXPECT_EQ(sheet.RunModal(), -1);
}

class CleanRollersTest : public CleanWizardTest {
protected:
    // Opens the dialog from the Ink page's link; `inDialog` runs once it shows.
    void RunDialog(std::function<void(HWND)> inDialog) {
        CQORInkCartridgePage& page = InkPage();
        host.requests.clear();
        Shown() = nullptr;
        Pending() = std::move(inDialog);
        CDialogHook hook(CDialogHook::kActivated, [](HWND dialog) {
            // The rollers dialog, once: the main window is activated again after it.
            if (Shown() || !::GetDlgItem(dialog, IDC_ROLLERS_STEP1))
                return;
            Shown() = dialog;
            ::SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR timer, DWORD) {
                ::KillTimer(nullptr, timer);
                Pending()(Shown());
            });
        });
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_INK_CLEAN_ROLLERS_LINK, BN_CLICKED), 0);
    }
    static HWND& Shown() {
        static HWND dialog = nullptr;
        return dialog;
    }
    static std::function<void(HWND)>& Pending() {
        static std::function<void(HWND)> action;
        return action;
    }
    static std::string Text(HWND dialog, UINT id) {
        return CWindow(::GetDlgItem(dialog, static_cast<int>(id))).GetWindowText().c_str();
    }
    static bool StepVisible(HWND dialog, UINT id) {
        return (::GetWindowLongA(::GetDlgItem(dialog, static_cast<int>(id)), GWL_STYLE) &
                WS_VISIBLE) != 0;
    }
};

TEST_F(CleanRollersTest, TheStepsFollowTheModelAndTheButtonClosesWithoutAskingTheHost) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> model;
        UINT steps[4];
        bool shown[4];
    };
    const Case cases[] = {
        {{},
         {IDS_ROLLERS_STEP1, IDS_ROLLERS_STEP2, IDS_ROLLERS_STEP3, IDS_ROLLERS_STEP4},
         {true, true, true, true}},
        {{{"IDO_SELECT_BUTTON", "1"}, {"IDO_CLEANROLLER_STEP4", "0"}},
         {IDS_ROLLERS_STEP1, IDS_ROLLERS_STEP2_SELECT, IDS_ROLLERS_STEP3, IDS_ROLLERS_STEP4_SELECT},
         {true, true, false, true}},
        {{{"IDO_MANUALFEED_PAPEROUT", "1"}},
         {IDS_ROLLERS_STEP1_MANUAL_FEED, IDS_ROLLERS_STEP2_MANUAL_FEED, 0, 0},
         {true, true, false, false}},
    };
    const UINT controls[] = {IDC_ROLLERS_STEP1, IDC_ROLLERS_STEP2, IDC_ROLLERS_STEP3,
                             IDC_ROLLERS_STEP4};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model.size());
        std::vector<std::pair<std::string, std::string>> options = CleaningModel();
        options.insert(options.end(), c.model.begin(), c.model.end());
        TestOptions model(options);
        bool checked = false;
        RunDialog([&](HWND dialog) {
            EXPECT_EQ(std::string(CWindow(dialog).GetWindowText().c_str()),
                      String(IDS_ROLLERS_TITLE));
            EXPECT_EQ(Text(dialog, IDC_ROLLERS_CLOSE), String(IDS_ROLLERS_CLOSE));
            EXPECT_EQ(Text(dialog, IDC_ROLLERS_NEED), String(IDS_ROLLERS_NEED));
            for (int step = 0; step < 4; ++step) {
                EXPECT_EQ(StepVisible(dialog, controls[step]), c.shown[step]) << step;
                if (c.shown[step]) {
                    EXPECT_EQ(Text(dialog, controls[step]), String(c.steps[step])) << step;
                }
            }
            checked = true;
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ROLLERS_CLOSE, BN_CLICKED), 0);
        });
        EXPECT_TRUE(checked);
        EXPECT_TRUE(host.requests.empty());
        EXPECT_FALSE(::IsWindow(Shown()));
        EntryTerminateNow();
    }
}

TEST_F(CleanRollersTest, EscapeClosesItAndAHostClosingTheModuleEndsItsLoop) {
    RunDialog([](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(::IsWindow(Shown()));
    ASSERT_NE(Main(), nullptr);
    EntryTerminateNow();

    RunDialog([](HWND) { EntryTerminateNow(); });
    // The click returned: the dialog went with the main window.
    EXPECT_FALSE(::IsWindow(Shown()));
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(CleanWizardTest, AfterTheTopicsWizardClosesTheInkPageLinkOpensANewOne) {
    ASSERT_NE(OpenWizard(), nullptr);
    ASSERT_EQ(EntryDisplayTopic(kTopicHome + kInkPage, &host.status), 1);
    ASSERT_TRUE(Main()->HasMainWindow());
    Press(IDC_WIZARD_CANCEL);
    ASSERT_NE(Main(), nullptr);
    host.requests.clear();
    AlignmentCanceller canceller(&AlignmentCanceller::PressCancel, IDS_CLEAN_TITLE);
    CQORPage* page = Main()->GetPageSheet()->GetQorPage(kInkPage);
    ::SendMessageA(*page, WM_COMMAND, MAKEWPARAM(IDC_INK_CLEAN_LINK, BN_CLICKED), 0);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBOpenSession, CBCloseSession}));
}
