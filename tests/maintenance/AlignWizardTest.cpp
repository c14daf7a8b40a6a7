// The alignment wizard driven through its buttons: printing the alignment page, taking the values
// read off it, and the ways out.
#include "AlignWizardFixture.h"

TEST_F(AlignWizardTest, PrintThenTheValuesOfTwoCartridgesGoToThePrinter) {
    host.align.dwValue[1] = 0xFFFFFFFF; // shows the default
    host.align.dwValue[2] = 9;
    ASSERT_NE(OpenWizard(), nullptr);
    EXPECT_EQ(Wizard()->Plan(), (std::vector<AlignPage>{AlignPage::Start, AlignPage::CartValues}));
    host.requests.clear();
    Press(IDC_ALIGN_PRINT);
    EXPECT_EQ(FilesSent(), std::vector<std::string>{"vqtralgn.out"});
    EXPECT_EQ(host.Count(CBOpenSession), 1);
    ASSERT_EQ(Wizard()->GetActiveIndex(), 1);
    EXPECT_EQ(Shown(IDC_ALIGN_VALUE_A), "7");
    EXPECT_EQ(Shown(IDC_ALIGN_VALUE_B), "9");

    // An empty field or one out of its range sends nothing: the user is told and stays.
    for (const char* wrong : {"", "15"}) {
        SCOPED_TRACE(wrong);
        Type(IDC_ALIGN_VALUE_A, wrong);
        Calls().clear();
        host.requests.clear();
        Press(IDC_WIZARD_NEXT);
        EXPECT_EQ(host.Count(CBSendAlignment), 0);
        ASSERT_EQ(Calls().size(), 1u);
        EXPECT_NE(Calls()[0].text.find("0 to 14"), std::string::npos);
        ASSERT_NE(Wizard(), nullptr);
        EXPECT_TRUE(Wizard()->IsWindow());
    }
    Type(IDC_ALIGN_VALUE_A, "3");
    Type(IDC_ALIGN_VALUE_B, "4");
    Type(IDC_ALIGN_VALUE_C, "12");
    Type(IDC_ALIGN_VALUE_D, "20");
    host.requests.clear();
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(LastCodes(3), (std::vector<int>{CBSendAlignment, CBCloseSession, CBNotifyQORClosed}));
    const DWORD expected[7] = {0, 3, 4, 12, 20, 12, 20};
    for (int field = 0; field < 7; ++field)
        EXPECT_EQ(sent.dwValue[field], expected[field]) << "field " << field;
    // Nothing else was open: the module closed with its wizard.
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(AlignWizardTest, AnUnconfirmedCartridgeChangeStopsThePrintAndCancelEndsTheSession) {
    host.ink.bCartChanged2 = 1;
    ASSERT_NE(OpenWizard(), nullptr);
    Calls().clear();
    Press(IDC_ALIGN_PRINT);
    EXPECT_TRUE(FilesSent().empty());
    ASSERT_EQ(Calls().size(), 1u);
    CString guard;
    guard.LoadString(IDS_CART_CHANGE_GUARD);
    EXPECT_EQ(Calls()[0].text, guard.c_str());
    EXPECT_EQ(Wizard()->GetActiveIndex(), 0);
    host.requests.clear();
    Press(IDC_WIZARD_CANCEL);
    EXPECT_EQ(LastCodes(2), (std::vector<int>{CBCloseSession, CBNotifyQORClosed}));
    EXPECT_EQ(host.Count(CBCancelJob), 0);
}

TEST_F(AlignWizardTest, CancellingTheValuesDuringACartridgeChangeCancelsTheHeldJob) {
    host.ink.LogCartID2 = host.ink.PhyCartID2 = QOR_CART_MISSING;
    ASSERT_NE(OpenWizard(), nullptr);
    EXPECT_EQ(Wizard()->Plan().back(), AlignPage::SingleValues);
    Press(IDC_ALIGN_PRINT);
    EXPECT_EQ(FilesSent(), std::vector<std::string>{"vqtrcaln.out"});
    Main()->m_bInCartChange = 1;
    host.requests.clear();
    // Escape does what Cancel does.
    ::SendMessageA(*Wizard(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(LastCodes(3), (std::vector<int>{CBCancelJob, CBCloseSession, CBNotifyQORClosed}));
}

TEST_F(AlignWizardTest, AnInkTankPrinterTakesTwoPagesOfValues) {
    host.ink.dwCarrierType = QOR_CARRIER_INK_TANKS;
    host.align.dwValue[7] = 31; // out of 0..30: the default
    host.align.dwValue[8] = 30;
    ASSERT_NE(OpenWizard(), nullptr);
    // The start page tells the printer once that an alignment begins.
    EXPECT_EQ(host.Count(CBSendBytes), 1);
    Press(IDC_ALIGN_PRINT);
    EXPECT_EQ(FilesSent(), std::vector<std::string>{"vqtralbu.out"});
    Press(IDC_WIZARD_NEXT);
    ASSERT_EQ(Wizard()->GetActiveIndex(), 2);
    Type(IDC_ALIGN_VALUE_F, "0"); // values 4 to 6 start at 1
    Press(IDC_ALIGN_FINISH);
    EXPECT_EQ(host.Count(CBSendAlignment), 0);
    Type(IDC_ALIGN_VALUE_F, "1");
    host.requests.clear();
    Press(IDC_ALIGN_FINISH);
    // No second readiness check: the printer was asked on the first value page.
    EXPECT_EQ(LastCodes(3), (std::vector<int>{CBSendAlignment, CBCloseSession, CBNotifyQORClosed}));
    EXPECT_EQ(host.Count(CBGetStatus), 0);
    EXPECT_EQ(sent.dwValue[0], 1u);
    EXPECT_EQ(sent.dwValue[4], 1u);
    EXPECT_EQ(sent.dwValue[7], 15u); // the first page's values, kept
    EXPECT_EQ(sent.dwValue[8], 30u);
}
