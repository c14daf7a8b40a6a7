// The cartridge verification wizard as the Ink page's install link opens it: its pages, the
// shared wizard buttons, and what Next tells the host.
#include "CartWizardFixture.h"
#include "InkCartridgePage.h"
#include "cartridge/CartInformation.h"
#include "cartridge/CartVerificationPage1AIO.h"
#include "cartridge/CartVerificationPage2.h"

TEST_F(CartVerificationWizardTest,
       TheInstallLinkOpensTheWizardOnItsInstructionsAndMovesByItsButtons) {
    CCartVerificationSheet* wizard = OpenWizard();
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(wizard->IsWindow());
    EXPECT_EQ(wizard->m_iSheetStyle, 1);
    // Mode 1 asks for an alignment after new cartridges; the sheet asked for fresh status.
    EXPECT_TRUE(Main()->m_bPromptAlignment);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBOpenSession, CBGetStatus}));
    EXPECT_EQ(wizard->GetActiveIndex(), 0);
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WIZARD_BACK)));
    EXPECT_TRUE(log.Contains("CCartVerificationSheet::OnInitDialog()"));

    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(wizard->GetActiveIndex(), 1);
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_WIZARD_BACK)));
    Press(IDC_WIZARD_BACK);
    EXPECT_EQ(wizard->GetActiveIndex(), 0);

    // Help opens the cartridges' topic; a second click on the link opens no second wizard.
    Press(IDC_WIZARD_HELP);
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls().back().number, 254u);
    EXPECT_FALSE(Main()->OpenCartVerificationSheet(1));

    host.requests.clear();
    Press(IDC_WIZARD_CANCEL);
    EXPECT_EQ(host.Codes(), std::vector<int>{CBCloseSession});
    EXPECT_FALSE(wizard->IsWindow());
    // The main window stays open: it is a window of the module too.
    EXPECT_TRUE(Main()->HasMainWindow());
}

TEST_F(CartVerificationWizardTest, EnterGoesOnAndTheCaptionsCloseCancelsAsTheButtonsDo) {
    CCartVerificationSheet* wizard = OpenWizard();
    ASSERT_NE(wizard, nullptr);
    // The dialog manager turns Enter into IDOK and Escape into IDCANCEL for the sheet.
    ::SendMessageA(*wizard, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(wizard->GetActiveIndex(), 1);
    host.requests.clear();
    ::SendMessageA(*wizard, WM_CLOSE, 0, 0);
    EXPECT_EQ(host.Codes(), std::vector<int>{CBCloseSession});
    EXPECT_FALSE(wizard->IsWindow());
}

TEST_F(CartVerificationWizardTest,
       NextReportsTheChosenCartridgesWithNewOnesMarkedThenClosesTheSession) {
    ASSERT_NE(OpenWizard(), nullptr);
    Press(IDC_WIZARD_NEXT);
    ASSERT_NE(dynamic_cast<CCartVerificationPage2*>(Wizard()->GetActivePage()), nullptr);
    // The sensed cartridges are proposed; the user says the left one is a new high-capacity one.
    auto& page = *static_cast<CCartVerificationPage2*>(Wizard()->GetActivePage());
    EXPECT_EQ(page.GetChosenCartridge(1), QOR_CART_COLOR);
    EXPECT_EQ(page.GetChosenCartridge(2), QOR_CART_BLACK);
    Choose(IDC_CARTV2_CARTRIDGE1, FindName(IDC_CARTV2_CARTRIDGE1, IDS_CARTNAME1_COLOR_96));
    Choose(IDC_CARTV2_AGE1, 1);
    Choose(IDC_CARTV2_AGE2, 0);

    RecordInstalledCartridges();
    host.requests.clear();
    TestLog nextLog;
    AlignmentCanceller canceller;
    Press(IDC_WIZARD_NEXT);
    // The alignment runs in a session of its own; its user cancels it.
    EXPECT_EQ(host.Codes(),
              (std::vector<int>{CBInstallCarts, CBOpenSession, CBCloseSession, CBCloseSession}));
    EXPECT_TRUE(nextLog.Contains("CAlignSheet::OnInitDialog()"));
    EXPECT_EQ(reported.LogCartID1, 96u);
    EXPECT_EQ(reported.LogCartID2, QOR_CART_BLACK);
    EXPECT_EQ(reported.nColorLevel1, QOR_NEW_CARTRIDGE_MARKER);
    EXPECT_EQ(reported.nColorLevel3, QOR_NEW_CARTRIDGE_MARKER);
    EXPECT_EQ(reported.nBlackLevel, 60); // declared old: its level stands
    EXPECT_EQ(reported.bCartChanged1, 0u);
    // A new cartridge in mode 1: the alignment runs in a session of its own.
    for (const char* step : {"(1)", "(3)", "(5)"})
        EXPECT_TRUE(
            nextLog.Contains(std::string("CCartVerificationPage2::OnNextbutton() ") + step));
    EXPECT_FALSE(Wizard()->IsWindow());
}

TEST_F(CartVerificationWizardTest,
       AHostThatEndsTheModuleDuringTheAlignmentAfterNewCartridgesEndsIt) {
    ASSERT_NE(OpenWizard(), nullptr);
    Press(IDC_WIZARD_NEXT);
    Choose(IDC_CARTV2_AGE1, 1);
    TestLog log;
    // The host closes the module while the user looks at the alignment wizard.
    AlignmentCanceller terminator([](HWND) { EntryTerminateNow(); });
    Press(IDC_WIZARD_NEXT);
    EXPECT_TRUE(log.Contains("CAlignSheet::OnInitDialog()"));
    EXPECT_EQ(Main(), nullptr);
    CString title;
    title.LoadString(IDS_ALIGN_TITLE);
    EXPECT_EQ(::FindWindowA(nullptr,
                            title +
                                " - Test Printer "
                                "AHostThatEndsTheModuleDuringTheAlignmentAfterNewCartridgesEndsIt"),
              nullptr);
}

TEST_F(CartVerificationWizardTest, OnAModelThatAlignsItselfNewCartridgesLeadToItsAlignment) {
    auto selfAligning = kCartWizardModel;
    selfAligning.emplace_back("IDO_SUPPORT_AUTOALIGNMENT", "1");
    TestOptions model(selfAligning);
    ASSERT_NE(OpenWizard(), nullptr);
    Press(IDC_WIZARD_NEXT);
    Choose(IDC_CARTV2_AGE1, 1);
    TestLog log;
    AlignmentCanceller canceller;
    Press(IDC_WIZARD_NEXT);
    EXPECT_TRUE(log.Contains("CAutoAlignementPage1::OnInitDialog()"));
    EXPECT_FALSE(Wizard() && Wizard()->IsWindow());
}

TEST_F(CartVerificationWizardTest, WhereNoAlignmentMayFollowAMissingCartridgeKeepsThePage) {
    ASSERT_EQ(Open(103), 1);
    // The printer reports that the black cartridge was taken out.
    host.ink.PhyCartID2 = QOR_CART_MISSING;
    host.ink.bCartChanged2 = 1;
    ASSERT_TRUE(Main()->OpenCartVerificationSheet(3));
    EXPECT_TRUE(Main()->m_bSkipCartAlign);
    auto& page = *static_cast<CCartVerificationPage2*>(Wizard()->GetActivePage());
    EXPECT_EQ(page.GetChosenCartridge(2), QOR_CART_MISSING);
    // The empty position asks for a cartridge to be fitted.
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_CARTV2_ATTENTION2_TEXT)));
    host.requests.clear();
    Calls().clear();
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Count(CBInstallCarts), 0);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, 1); // a message box says why
    EXPECT_TRUE(Wizard()->IsWindow());
    // Refused, the window's record is as it was.
    EXPECT_EQ(Main()->m_Records.ink.bCartChanged2, 1u);
}

TEST_F(CartVerificationWizardTest, AModelThatNamesItsCartridgesGetsInformationAndSendsNothing) {
    TestOptions informationModel(
        std::vector<std::pair<std::string, std::string>>{{"IDO_SPECIFY_CARTRIDGE_INFO", "1"}});
    CCartVerificationSheet* wizard = OpenWizard();
    ASSERT_NE(wizard, nullptr);
    Press(IDC_WIZARD_NEXT);
    ASSERT_NE(dynamic_cast<CCartInformation*>(wizard->GetActivePage()), nullptr);
    // Opened with the instructions, the page leads back to them.
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_WIZARD_BACK)));
    host.requests.clear();
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Codes(), std::vector<int>{CBCloseSession});
    EXPECT_FALSE(wizard->IsWindow());
    EXPECT_TRUE(Main()->HasMainWindow());

    // The check at installation shows the page alone: there is nothing to go back to.
    ASSERT_TRUE(Main()->OpenCartVerificationSheet(3));
    ASSERT_NE(dynamic_cast<CCartInformation*>(Wizard()->GetActivePage()), nullptr);
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WIZARD_BACK)));
}

TEST_F(CartVerificationWizardTest, AllInOneDevicesGetTheirOwnStepsByTheirCoversAndLatch) {
    struct Case {
        const char* twoCovers;
        const char* latch;
        UINT steps;
    };
    const Case cases[] = {
        {"0", "0", IDS_CARTV1_AIO_STEPS},
        {"0", "1", IDS_CARTV1_AIO_STEPS_LATCH},
        {"1", "0", IDS_CARTV1_AIO_STEPS_TWO_COVERS},
        {"1", "1", IDS_CARTV1_AIO_STEPS_TWO_COVERS_LATCH},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.twoCovers) + c.latch);
        TestOptions allInOne(std::vector<std::pair<std::string, std::string>>{
            {"IDO_CARTRIDGE_INSTALLATION_AIO", "1"},
            {"IDO_TWO_COVERS_CART_INSTALL", c.twoCovers},
            {"IDO_CARTWITHLATCH", c.latch},
            {"IDO_AIO_FAMILY", "1"}});
        ASSERT_NE(OpenWizard(), nullptr);
        ASSERT_NE(dynamic_cast<CCartVerificationPage1AIO*>(Wizard()->GetActivePage()), nullptr);
        CString expected;
        expected.LoadString(c.steps);
        EXPECT_EQ(Wizard()->GetActivePage()->GetDlgItemText(IDC_CARTV1_STEPS), expected);
        expected.LoadString(IDS_CARTV1_AIO_HEADING_FAMILY);
        EXPECT_EQ(Wizard()->GetActivePage()->GetDlgItemText(IDC_CARTV1_HEADING), expected);
        EntryTerminateNow();
    }
}

TEST_F(CartVerificationWizardTest, InstallingCartridgesOnABusyPrinterExplainsWhyAndEnds) {
    host.status.dwStatus = QOR_STATUS_BUSY;
    AlertDriver driver;
    EXPECT_EQ(Open(404), 0);
    ASSERT_EQ(driver.Alerts().size(), 1u);
    EXPECT_EQ(host.Count(CBOpenSession), 0);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(CartVerificationWizardTest, AHostThatEndsTheModuleWhileAnsweringGetsNoWizard) {
    ASSERT_EQ(Open(103), 1);
    host.answer = [](int code, void*) {
        if (code == CBGetStatus)
            EntryTerminateNow();
        return 1;
    };
    CQORTabDlg* main = Main();
    EXPECT_FALSE(main->OpenCartVerificationSheet(1));
    EXPECT_EQ(Main(), nullptr);
    // No window of the wizard outlives the module.
    EXPECT_EQ(::FindWindowA(nullptr, "Print Cartridges - Test Printer "
                                     "AHostThatEndsTheModuleWhileAnsweringGetsNoWizard"),
              nullptr);
}
