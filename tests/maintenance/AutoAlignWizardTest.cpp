// The alignment wizard of a model that aligns itself: the automatic page, the manual choice that
// continues on the value pages, and a refused session.
#include "AlignWizardFixture.h"
#include "../inkpage/InkTestSupport.h"

#include <optional>

class AutoAlignWizardTest : public AlignWizardTest {
protected:
    AutoAlignWizardTest() { UseOptions({}); }
    void UseOptions(std::vector<std::string> lines) {
        lines.push_back("IDO_SUPPORT_AUTOALIGNMENT=1");
        options.reset();
        options.emplace(lines);
    }
    static HWND Control(UINT id) {
        return ::GetDlgItem(*Wizard()->GetActivePage(), static_cast<int>(id));
    }
    static bool Visible(UINT id) { return ::IsWindowVisible(Control(id)) != FALSE; }
    static void Choose(UINT radio) {
        ::CheckRadioButton(*Wizard()->GetActivePage(), IDC_AUTO_ALIGN_AUTOMATIC,
                           IDC_AUTO_ALIGN_MANUAL, static_cast<int>(radio));
    }

    std::optional<testing_support::ScopedOptionsFile> options;
};

TEST_F(AutoAlignWizardTest, TheAutomaticAlignmentPrintsItsPageAndFinishEndsTheSession) {
    ASSERT_NE(OpenWizard(), nullptr);
    EXPECT_EQ(
        Wizard()->Plan(),
        (std::vector<AlignPage>{AlignPage::AutoStart, AlignPage::AutoResult, AlignPage::CartValues,
                                AlignPage::SingleValues, AlignPage::PhotoValues}));
    EXPECT_TRUE(Visible(IDC_AUTO_ALIGN_MANUAL));
    EXPECT_EQ(::IsDlgButtonChecked(*Wizard()->GetActivePage(), IDC_AUTO_ALIGN_AUTOMATIC),
              BST_CHECKED);
    TestLog log;
    host.requests.clear();
    Press(IDC_ALIGN_PRINT);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBOpenSession, CBGetStatus, CBSendFile}));
    EXPECT_EQ(FilesSent(), std::vector<std::string>{"vqtraual.out"});
    EXPECT_TRUE(log.Contains("CAutoAlignementPage1::OnPrintButton() <1>"));
    EXPECT_TRUE(log.HasSequence({"bReturn:", "1"}));
    EXPECT_TRUE(
        log.Contains("CAutoAlignementPage1::OnPrintButton() <QOR_AUTOALIGNMENT_DUALHEAD_CMYCART>"));
    ASSERT_EQ(Wizard()->GetActiveIndex(), 1);

    host.requests.clear();
    Press(IDC_WIZARD_NEXT);
    // The printer aligned itself: no values are sent.
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBCloseSession, CBNotifyQORClosed}));
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(AutoAlignWizardTest, TheManualChoicePrintsThePatternsOfTheCartridgesAndLeadsToTheirValues) {
    struct Case {
        const char* name;
        DWORD carrier;
        DWORD left;
        DWORD right;
        bool printStyle2;
        const char* file; // null: nothing is printed
        const char* step;
        int nextIndex;
    };
    const Case cases[] = {
        {"two cartridges", QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_BLACK, false, "vqtralgn.out",
         "<10>", 2},
        {"photo cartridge", QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_PHOTO, false, "vqtrphal.out",
         "<9>", 4},
        {"black alone, one-cartridge printing", QOR_CARRIER_DUAL, QOR_CART_MISSING, QOR_CART_BLACK,
         true, "vqtrkaln.out", "<7>", 3},
        {"colour alone, one-cartridge printing", QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_MISSING,
         true, "vqtrcaln.out", "<8>", 3},
        // Without one-cartridge printing a missing cartridge changes nothing.
        {"colour alone", QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_MISSING, false, "vqtralgn.out",
         "<10>", 2},
        {"one black cartridge", QOR_CARRIER_SINGLE, QOR_CART_BLACK, QOR_CART_MISSING, false,
         "vqtrkaln.out", "<11>", 3},
        {"one colour cartridge", QOR_CARRIER_SINGLE, QOR_CART_COLOR, QOR_CART_MISSING, false,
         "vqtrcaln.out", "<12>", 3},
        {"one photo cartridge", QOR_CARRIER_SINGLE, QOR_CART_PHOTO, QOR_CART_MISSING, false,
         nullptr, nullptr, 3},
        {"ink tanks", QOR_CARRIER_INK_TANKS, QOR_CART_COLOR, QOR_CART_BLACK, false, "vqtralbu.out",
         "<6>", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseOptions({c.printStyle2 ? "IDO_PRINTSTYLE=2" : "IDO_PRINTSTYLE=1"});
        host.ink.dwCarrierType = c.carrier;
        host.ink.LogCartID1 = host.ink.PhyCartID1 = c.left;
        host.ink.LogCartID2 = host.ink.PhyCartID2 = c.right;
        ASSERT_NE(OpenWizard(), nullptr);
        Choose(IDC_AUTO_ALIGN_MANUAL);
        TestLog log;
        Calls().clear();
        host.requests.clear();
        Press(IDC_ALIGN_PRINT);
        EXPECT_TRUE(log.Contains("CAutoAlignementPage1::OnPrintButton() <5>"));
        if (c.file) {
            EXPECT_EQ(FilesSent(), std::vector<std::string>{c.file});
            EXPECT_TRUE(
                log.Contains(std::string("CAutoAlignementPage1::OnPrintButton() ") + c.step));
            EXPECT_TRUE(Calls().empty());
        } else {
            // The user is told; the session stays open until Cancel.
            EXPECT_TRUE(FilesSent().empty());
            ASSERT_EQ(Calls().size(), 1u);
            EXPECT_EQ(Calls()[0].text, "ERROR Cannot Print Alignement for Unknown Cartridge type");
        }
        EXPECT_EQ(Wizard()->GetActiveIndex(), c.nextIndex);
        EntryTerminateNow();
    }
}

TEST_F(AutoAlignWizardTest, AModelThatOnlyAlignsItselfOffersNoChoiceWhateverItsCarrier) {
    UseOptions({"IDO_SUPPORT_AUTOALIGN_ONLY=1"});
    host.ink.dwCarrierType = QOR_CARRIER_INK_TANKS;
    ASSERT_NE(OpenWizard(), nullptr);
    for (UINT hidden : {IDC_AUTO_ALIGN_AUTOMATIC, IDC_AUTO_ALIGN_MANUAL,
                        IDC_AUTO_ALIGN_AUTOMATIC_TEXT, IDC_AUTO_ALIGN_MANUAL_TEXT})
        EXPECT_FALSE(Visible(hidden)) << hidden;
    // The ink-tank printer is told once that an alignment begins.
    EXPECT_EQ(host.Count(CBSendBytes), 1);
    Press(IDC_ALIGN_PRINT);
    // The automatic page goes by the cartridges alone: never the ink tanks' manual page.
    EXPECT_EQ(FilesSent(), std::vector<std::string>{"vqtraual.out"});
    EXPECT_EQ(Wizard()->GetActiveIndex(), 1);
}

TEST_F(AutoAlignWizardTest, ARefusedSessionIsExplainedAndThePageStays) {
    ASSERT_NE(OpenWizard(), nullptr);
    host.answer = [](int code, void*) { return code == CBOpenSession ? 0 : 1; };
    TestLog log;
    AlertDriver alerts;
    host.requests.clear();
    Press(IDC_ALIGN_PRINT);
    EXPECT_TRUE(log.Contains("CAutoAlignementPage1::OnPrintButton()...session not locked"));
    // The records show a ready printer: the alert says it is in use.
    ASSERT_EQ(alerts.Alerts().size(), 1u);
    CString busy;
    busy.LoadString(IDS_READY_BUSY);
    EXPECT_EQ(alerts.Alerts()[0].message, busy.c_str());
    EXPECT_TRUE(FilesSent().empty());
    EXPECT_EQ(host.Count(CBGetStatus), 0);
    EXPECT_EQ(Wizard()->GetActiveIndex(), 0);
}

TEST_F(AutoAlignWizardTest, BackFromTheValuesReturnsToPrintAndCancelEndsAHeldJob) {
    ASSERT_NE(OpenWizard(), nullptr);
    Choose(IDC_AUTO_ALIGN_MANUAL);
    Press(IDC_ALIGN_PRINT);
    ASSERT_EQ(Wizard()->GetActiveIndex(), 2);
    Press(IDC_WIZARD_BACK);
    EXPECT_EQ(Wizard()->GetActiveIndex(), 0);
    // The automatic result page during a cartridge change: Cancel also cancels the held job.
    Choose(IDC_AUTO_ALIGN_AUTOMATIC);
    Press(IDC_ALIGN_PRINT);
    ASSERT_EQ(Wizard()->GetActiveIndex(), 1);
    Main()->m_bInCartChange = 1;
    host.requests.clear();
    Press(IDC_WIZARD_CANCEL);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBCancelJob, CBCloseSession, CBNotifyQORClosed}));
}
