// The wizard's pages for a single cartridge: the one-position carrier's verification page and the
// page that asks for the cartridge a held print job needs.
#include "CartWizardFixture.h"
#include "cartridge/ColorSortVerifcaionPage2.h"
#include "cartridge/SingleCartVerifcaionPage2.h"
#include "host/QorModule.h"

#include <string>

namespace {
// Takes the held job's text module away from beside the module while it lives.
class HeldJobTextsAway {
public:
    HeldJobTextsAway() : m_path(ModuleFolder() + "vqtrjswr.dll") {
        m_moved = ::MoveFileA(m_path.c_str(), (m_path + ".away").c_str()) != FALSE;
    }
    ~HeldJobTextsAway() {
        if (m_moved)
            ::MoveFileA((m_path + ".away").c_str(), m_path.c_str());
    }
    HeldJobTextsAway(const HeldJobTextsAway&) = delete;
    HeldJobTextsAway& operator=(const HeldJobTextsAway&) = delete;
    bool Moved() const { return m_moved; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    bool m_moved;
};

CString Text(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}
} // namespace

class OneCartridgePagesTest : public CartVerificationWizardTest {
protected:
    OneCartridgePagesTest() {
        // A host that takes the cartridge it is told of as the one now fitted.
        host.answer = [this](int code, void* payload) {
            if (code == CBInstallCarts && payload)
                host.ink.LogCartID1 = static_cast<INKINFO*>(payload)->LogCartID1;
            return 1;
        };
    }
    // Opens the page for a held job from the open window: 315 asks for colour, 316 for black.
    COneCartridgePage* OpenForHeldJob(int topic) {
        EXPECT_EQ(Open(kTopicAdvanced), 1);
        EXPECT_EQ(EntryDisplayTopic(topic, &host.status), 1);
        CCartVerificationSheet* wizard = Wizard();
        return wizard ? dynamic_cast<CColorSortVerifcaionPage2*>(wizard->GetActivePage()) : nullptr;
    }
    static COneCartridgePage* Page() {
        return dynamic_cast<COneCartridgePage*>(Wizard()->GetActivePage());
    }
    static void ChooseCartridge(UINT nameId) {
        Choose(IDC_CARTV_ONE_CARTRIDGE, FindName(IDC_CARTV_ONE_CARTRIDGE, nameId));
    }
    static void SayNew(bool isNew) {
        ::CheckRadioButton(*Page(), IDC_CARTV_ONE_OLD, IDC_CARTV_ONE_NEW,
                           isNew ? IDC_CARTV_ONE_NEW : IDC_CARTV_ONE_OLD);
    }
    bool Said(UINT textId) const {
        for (const UiCall& call : Calls())
            if (call.kind == 1 && call.text.find(Text(textId).c_str()) != std::string::npos)
                return true;
        return false;
    }
};

TEST_F(OneCartridgePagesTest, TheSingleCartridgePageNamesTheChoiceAndReportsANewOne) {
    host.ink.dwCarrierType = QOR_CARRIER_SINGLE;
    host.ink.LogCartID1 = host.ink.PhyCartID1 = QOR_CART_BLACK;
    host.ink.nBlackLevel = 8; // low: it starts as new
    ASSERT_NE(OpenWizard(), nullptr);
    Press(IDC_WIZARD_NEXT);
    ASSERT_NE(dynamic_cast<CSingleCartVerifcaionPage2*>(Wizard()->GetActivePage()), nullptr);
    EXPECT_EQ(Page()->GetChosenCartridge(), QOR_CART_BLACK);
    EXPECT_TRUE(Page()->SaysNew());
    // Each name stands for its cartridge; no choice at all is invalid.
    const std::pair<UINT, DWORD> names[] = {{IDS_CARTNAME1_BLACK_64, QOR_CART_BLACK_64},
                                            {IDS_CARTNAME1_BLACK_53, QOR_CART_BLACK_53},
                                            {IDS_CARTNAME1_COLOR_85, QOR_CART_COLOR_85},
                                            {IDS_CARTNAME1_NONE, QOR_CART_MISSING}};
    for (const auto& [name, id] : names) {
        ChooseCartridge(name);
        EXPECT_EQ(Page()->GetChosenCartridge(), id);
    }
    Choose(IDC_CARTV_ONE_CARTRIDGE, -1);
    EXPECT_EQ(Page()->GetChosenCartridge(), QOR_CART_INVALID);
    // No photo cartridge fits this carrier: it is not offered.
    EXPECT_LT(FindName(IDC_CARTV_ONE_CARTRIDGE, IDS_CARTNAME1_PHOTO), 0);

    ChooseCartridge(IDS_CARTNAME1_COLOR);
    SayNew(true);
    RecordInstalledCartridges();
    host.requests.clear();
    AlignmentCanceller canceller;
    Press(IDC_WIZARD_NEXT);
    // Mode 1 aligns a new cartridge in a session of its own.
    EXPECT_EQ(host.Codes(),
              (std::vector<int>{CBInstallCarts, CBOpenSession, CBCloseSession, CBCloseSession}));
    EXPECT_EQ(reported.LogCartID1, QOR_CART_COLOR);
    EXPECT_EQ(reported.nColorLevel2, QOR_NEW_CARTRIDGE_MARKER);
    EXPECT_EQ(reported.nBlackLevel, 8);
    EXPECT_FALSE(Wizard()->IsWindow());
}

TEST_F(OneCartridgePagesTest, AtTheInstallationCheckTheSingleCartridgePageWantsACartridge) {
    host.ink.dwCarrierType = QOR_CARRIER_SINGLE;
    ASSERT_EQ(Open(103), 1);
    ASSERT_TRUE(Main()->OpenCartVerificationSheet(3));
    ChooseCartridge(IDS_CARTNAME1_NONE);
    SayNew(true);
    host.requests.clear();
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Count(CBInstallCarts), 0);
    EXPECT_TRUE(Said(IDS_CARTV_SINGLE_NO_CARTRIDGE));
    EXPECT_EQ(Main()->m_Records.ink.LogCartID1, QOR_CART_COLOR); // untouched
    // With a cartridge chosen the check ends without an alignment.
    ChooseCartridge(IDS_CARTNAME1_BLACK);
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBInstallCarts, CBCloseSession}));
    EXPECT_FALSE(Wizard()->IsWindow());
}

TEST_F(OneCartridgePagesTest, AHeldJobThatNeedsBlackRefusesColourThenResumesOnBlack) {
    COneCartridgePage* page = OpenForHeldJob(316);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Wizard()->m_iSheetStyle, 4);
    EXPECT_EQ(page->GetDlgItemText(IDC_CARTV_ONE_HEADING), Text(IDS_CARTV_HELD_HEADING_BLACK));
    // The colour cartridge that is in does not suit the job: the page says why and stays.
    EXPECT_EQ(page->GetChosenCartridge(), QOR_CART_COLOR);
    host.requests.clear();
    Calls().clear();
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBInstallCarts, CBGetStatus}));
    EXPECT_TRUE(Said(IDS_HELD_JOB_NEEDS_BLACK));
    EXPECT_FALSE(Said(IDS_HELD_JOB_NEEDS_COLOUR));
    ASSERT_TRUE(Wizard()->IsWindow());

    ChooseCartridge(IDS_CARTNAME1_BLACK);
    SayNew(false);
    host.requests.clear();
    Press(IDC_WIZARD_NEXT);
    // An old cartridge needs no alignment; the job is never cancelled, only resumed.
    EXPECT_EQ(host.Codes(),
              (std::vector<int>{CBInstallCarts, CBGetStatus, CBCloseSession, CBResumeJob}));
    EXPECT_FALSE(Wizard()->IsWindow());
    EXPECT_TRUE(Main()->HasMainWindow());
    EXPECT_FALSE(Main()->m_bCartTopicB);
}

TEST_F(OneCartridgePagesTest, ANewColourCartridgeForAHeldJobIsAlignedBeforeTheJobGoesOn) {
    host.ink.LogCartID1 = QOR_CART_BLACK;
    ASSERT_NE(OpenForHeldJob(315), nullptr);
    ChooseCartridge(IDS_CARTNAME1_COLOR_96);
    SayNew(true);
    host.requests.clear();
    AlignmentCanceller canceller;
    Press(IDC_WIZARD_NEXT);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBInstallCarts, CBGetStatus, CBOpenSession,
                                              CBCloseSession, CBCloseSession, CBResumeJob}));
    EXPECT_EQ(host.Count(CBCancelJob), 0);
}

TEST_F(OneCartridgePagesTest, WithoutItsTextModuleTheHeldJobPageSaysSoAndStillExplains) {
    HeldJobTextsAway away;
    ASSERT_TRUE(away.Moved());
    ASSERT_NE(OpenForHeldJob(316), nullptr);
    Calls().clear();
    Press(IDC_WIZARD_NEXT);
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[0].text, away.Path());
    EXPECT_TRUE(Said(IDS_HELD_JOB_NEEDS_BLACK));
    EXPECT_TRUE(log.Contains("COneCartridgePage: the held job's texts could not be loaded"));
    EXPECT_TRUE(Wizard()->IsWindow());
}
