// Every row of the topic table, carried out through the exports: what each topic does when it
// opens the module and when the main window is already open.
#include "MainWindowFixture.h"
#include "main/Topics.h"

namespace {
constexpr int kNoPage = -1;

// What a topic leaves behind: the export's result, the page shown (kNoPage: no main window) and
// the help topic opened (0: none).
struct Outcome {
    int result;
    int page;
    unsigned help;
    bool wizard = false; // the cartridge wizard is open
};

struct TopicCase {
    int topic;
    Outcome firstRun;
    Outcome openWindow; // begun on the Advanced page
};

constexpr unsigned kGeneral = kHelpTopicGeneral;
constexpr unsigned kNetwork = kHelpTopicNetwork;

const TopicCase kCases[] = {
    {100, {1, 0, 0}, {1, 0, 0}},
    {101, {1, 1, 0}, {1, 1, 0}},
    {102, {1, 2, 0}, {1, 2, 0}},
    {103, {1, 3, 0}, {1, 3, 0}},
    {104, {1, 4, 0}, {1, 4, 0}},
    {105, {1, 5, 0}, {1, 5, 0}},
    {106, {1, 1, 0}, {1, 0, 0}},
    {108, {1, 1, 0}, {1, 0, 0}},
    {150, {1, 0, 0}, {1, 0, 0}},
    {201, {0, kNoPage, kGeneral}, {1, 5, kGeneral}},
    {202, {0, kNoPage, kGeneral}, {1, 5, kGeneral}},
    {203, {1, 0, 0}, {1, 3, 0}},
    {204, {0, kNoPage, kGeneral}, {1, 3, 0}},
    {206, {1, kNoPage, 0, true}, {1, 3, 0, true}},
    {212, {1, kNoPage, 0, true}, {1, 3, 0, true}},
    {207, {0, kNoPage, kGeneral}, {1, 3, 0}},
    {210, {0, kNoPage, kGeneral}, {1, 3, 0}},
    {213, {1, 0, 0}, {1, 3, 0}},
    {214, {1, kNoPage, 0}, {1, 5, 0}},
    {216, {1, kNoPage, 0}, {1, 3, 0}}, // the modal wizard, cancelled
    {218, {0, kNoPage, kNetwork}, {1, 5, kNetwork}},
    {219, {0, kNoPage, kGeneral}, {1, 5, kGeneral}},
    {221, {1, kNoPage, 0}, {1, 3, 0}},
    {222, {0, kNoPage, 0}, {1, 5, 0}},
    {223, {1, 5, 0}, {1, 5, 0}},
    {224, {1, 2, 0}, {1, 2, 0}},
    {225, {1, 0, 0}, {1, 2, 0}},
    {300, {1, 0, 0}, {1, 0, 0}},
    {301, {1, 2, 0}, {1, 2, 0}},
    {302, {1, 0, 0}, {1, 0, 0}},
    {303, {1, 0, 0}, {1, 3, 0}},
    {306, {1, kNoPage, 0}, {1, 5, 0}}, // the modal test page dialog, cancelled
    {307, {1, 0, 0}, {1, 3, 0}},
    {308, {1, kNoPage, 0}, {1, 5, 0}}, // the modal paper dialog, cancelled
    {309, {1, 0, 0}, {1, 0, 0}},
    {313, {1, kNoPage, 0}, {1, 5, 0, true}}, // modal first, modeless in the window
    {316, {1, kNoPage, 0}, {1, 5, 0, true}},
    {317, {1, 0, 0}, {1, 0, 0}},
    {404, {1, kNoPage, 0}, {1, 3, 0, true}}, // modal on the first run, cancelled
    {405, {1, kNoPage, 0}, {1, 3, 0}},       // the modal wizard, cancelled: nothing stays open
    {406, {1, kNoPage, 0}, {1, 0, 0}},
    {701, {1, kNoPage, 0}, {1, 5, 0}},
    {702, {1, 0, 0}, {1, 0, 0}},
    {900, {0, kNoPage, 0}, {1, 5, 0}},
    {-7, {1, 0, 0}, {1, 0, 0}},
};
} // namespace

// While it lives, a cartridge wizard, test page, paper or low-ink dialog that runs modal is
// cancelled as soon as its loop runs.
class ModalWizardCanceller {
public:
    ModalWizardCanceller() : m_timer(::SetTimer(nullptr, 0, 50, &Tick)) {}
    ~ModalWizardCanceller() { ::KillTimer(nullptr, m_timer); }
    ModalWizardCanceller(const ModalWizardCanceller&) = delete;
    ModalWizardCanceller& operator=(const ModalWizardCanceller&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        for (WindowId slot : {kCartVerificationSheet, kTestPageDialog, kPaperQualityDialog,
                              kLowInkDialog, kSuppliesDialog}) {
            CWnd* modal = theCQORTabDlg ? theCQORTabDlg->m_Slots.Get(slot) : nullptr;
            if (modal && modal->IsWindow())
                ::PostMessageA(*modal, WM_COMMAND, IDCANCEL, 0);
        }
    }
    UINT_PTR m_timer;
};

class TopicTableTest : public MainWindowTest {
protected:
    ModalWizardCanceller canceller;
    int ShownPage() const { return Main() && Main()->HasMainWindow() ? ActivePage() : kNoPage; }
    unsigned HelpOpened() const {
        for (const UiCall& call : Calls())
            if (call.kind == 2)
                return call.number;
        return 0;
    }
};

TEST_F(TopicTableTest, EachTopicOpensTheModuleAsItsRowSays) {
    for (const TopicCase& c : kCases) {
        SCOPED_TRACE(c.topic);
        Calls().clear();
        EXPECT_EQ(Open(c.topic), c.firstRun.result);
        EXPECT_EQ(ShownPage(), c.firstRun.page);
        EXPECT_EQ(HelpOpened(), c.firstRun.help);
        // A topic that opens no window leaves the module closed.
        if (c.firstRun.page == kNoPage && !c.firstRun.wizard) {
            EXPECT_EQ(Main(), nullptr);
        }
        EXPECT_EQ(Main() && Main()->m_Slots.IsOpen(kCartVerificationSheet), c.firstRun.wizard);
        EntryTerminateNow();
    }
}

TEST_F(TopicTableTest, EachTopicActsInTheOpenWindowAsItsRowSays) {
    for (const TopicCase& c : kCases) {
        SCOPED_TRACE(c.topic);
        ASSERT_EQ(Open(kTopicAdvanced), 1);
        Calls().clear();
        EXPECT_EQ(EntryDisplayTopic(c.topic, &host.status), c.openWindow.result);
        // Help never closes the open window.
        EXPECT_EQ(ShownPage(), c.openWindow.page);
        EXPECT_EQ(HelpOpened(), c.openWindow.help);
        EXPECT_EQ(Main() && Main()->m_Slots.IsOpen(kCartVerificationSheet), c.openWindow.wizard);
        EntryTerminateNow();
    }
}

TEST_F(TopicTableTest, TheSuppliesTopicFollowsTheSuppliesAddressEitherWay) {
    ASSERT_EQ(Open(kTopicSuppliesWeb), 1);
    EXPECT_EQ(ShownPage(), kHomePage);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, 3);
    Click(IDC_NAV_ADVANCED);
    Calls().clear();
    EXPECT_EQ(EntryDisplayTopic(kTopicSuppliesWeb, &host.status), 1);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, 3);
    EXPECT_EQ(ShownPage(), kAdvancedPage);
}

TEST(TopicTable, OnlyTheDirectTopicsOpenWithoutTheMainWindowShownByTheEntry) {
    struct Case {
        int topic;
        bool direct;
    };
    const Case cases[] = {{0, false},   {200, false}, {201, true}, {222, true},
                          {223, false}, {302, false}, {303, true}, {399, true},
                          {400, true},  {5000, true}, {-1, false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsDirectTopic(c.topic), c.direct) << c.topic;
}
