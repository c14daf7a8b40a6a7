// The Troubleshooting page in the open main window: what it says for the host's state and alert,
// and where its links lead.
#include "DialogHook.h"
#include "MainWindowFixture.h"
#include "pages/TroubleshootingPage.h"

#include <string>
#include <vector>

class TroubleshootingPageTest : public MainWindowTest {
protected:
    CQORTroubleshootingPage& OpenPage() {
        EXPECT_EQ(Open(102), 1);
        auto* page = dynamic_cast<CQORTroubleshootingPage*>(
            Main()->GetPageSheet()->GetQorPage(kTroubleshootingPage));
        EXPECT_NE(page, nullptr);
        return *page;
    }
    static void Press(CWnd& page, UINT id) {
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(page, static_cast<int>(id))));
    }
    static bool Visible(CWnd& page, UINT id) {
        return ::IsWindowVisible(::GetDlgItem(page, static_cast<int>(id))) != FALSE;
    }
    static std::string Text(UINT stringId) {
        CString text;
        text.LoadString(stringId);
        return text.c_str();
    }
    // Presses a link and returns the help topic it opened (0 when it opened none).
    unsigned HelpTopicOf(CWnd& page, UINT link) {
        Calls().clear();
        Press(page, link);
        return Calls().size() == 1 && Calls()[0].kind == VQTR_UI_HELP ? Calls()[0].number : 0;
    }

    static std::string TextOf(HWND dialog, UINT control) {
        char text[256] = {};
        ::GetDlgItemTextA(dialog, static_cast<int>(control), text, sizeof text);
        return text;
    }

    BYTE alertBytes[2] = {0x80, 0x02};
};

TEST_F(TroubleshootingPageTest, APaperJamIsExplainedWithItsOneSolution) {
    host.status.dwStatus = QOR_STATUS_ALERT;
    host.alert = {alertBytes, 2};
    CQORTroubleshootingPage& page = OpenPage();
    EXPECT_EQ(page.GetDlgItemText(IDC_TROUBLE_STATE_TEXT).c_str(), Text(IDS_ALERT_PAPER_JAM));
    EXPECT_EQ(page.GetDlgItemText(IDC_TROUBLE_SOLUTION1).c_str(), Text(IDS_TROUBLE_LINK_PAPER_JAM));
    EXPECT_FALSE(Visible(page, IDC_TROUBLE_SOLUTION2));
    EXPECT_FALSE(Visible(page, IDC_TROUBLE_SOLUTION3));
    EXPECT_EQ(HelpTopicOf(page, IDC_TROUBLE_SOLUTION1), 68u);
}

TEST_F(TroubleshootingPageTest, TheFurtherHelpLinksOpenTheirTopicsAndTheGuide) {
    CQORTroubleshootingPage& page = OpenPage();
    EXPECT_EQ(page.GetDlgItemText(IDC_TROUBLE_STATE_TEXT).c_str(), Text(IDS_TROUBLE_STATE_READY));
    struct Case {
        UINT link;
        unsigned topic;
    };
    const Case cases[] = {{IDC_TROUBLE_SOLUTION1, 82},  {IDC_TROUBLE_SOLUTION2, 822},
                          {IDC_TROUBLE_SOLUTION3, 823}, {IDC_TROUBLE_HELP1, 818},
                          {IDC_TROUBLE_HELP2, 819},     {IDC_TROUBLE_HELP3, 820},
                          {IDC_TROUBLE_HELP4, 310}};
    for (const Case& c : cases)
        EXPECT_EQ(HelpTopicOf(page, c.link), c.topic) << c.link;
    // The user guide is a help file of its own, opened at its first page.
    Calls().clear();
    Press(page, IDC_TROUBLE_MANUAL);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_NE(Calls()[0].text.find("vqtrma.chm"), std::string::npos);
    EXPECT_EQ(Calls()[0].number, 0u);
    // The network configuration program is offered only where the model has it.
    EXPECT_FALSE(Visible(page, IDC_TROUBLE_NETWORK_CONFIG));
    Calls().clear();
    Press(page, IDC_PAGE_WEB_LINK);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, VQTR_UI_SHELL_OPEN);
}

TEST_F(TroubleshootingPageTest, TheShownPageFollowsTheHostsNewState) {
    CQORTroubleshootingPage& page = OpenPage();
    host.status.dwStatus = QOR_STATUS_ALERT;
    BYTE cartridge[2] = {0x20, 0x51};
    host.alert = {cartridge, 2};
    ASSERT_EQ(EntryUpdateStatus(&host.status), 1);
    EXPECT_EQ(page.GetDlgItemText(IDC_TROUBLE_STATE_TEXT).c_str(), Text(IDS_ALERT_CARTRIDGE));
    EXPECT_TRUE(Visible(page, IDC_TROUBLE_SOLUTION2));
    EXPECT_FALSE(Visible(page, IDC_TROUBLE_SOLUTION3));
    EXPECT_EQ(HelpTopicOf(page, IDC_TROUBLE_SOLUTION2), 75u);
}

TEST_F(TroubleshootingPageTest, ThePaperDialogShowsBothTraysAndEndsThroughTheShutdownCheck) {
    host.status.dwMediaTray1 = 2; // glossy
    host.status.dwMediaTray2 = 0; // plain
    testing_support::ScopedOptionsFile dualTray(
        {"IDO_AUTOMEDIASENSEDUALTRAY=1", "IDO_COLORANDBLACK_GLOSSY=-4"});
    std::string line1, advice1, line2;
    bool tray2Shown = false;
    CDialogHook reader(CDialogHook::kActivated, [&](HWND dialog) {
        line1 = TextOf(dialog, IDC_PAPER_MEDIA1);
        advice1 = TextOf(dialog, IDC_PAPER_ADVICE1);
        line2 = TextOf(dialog, IDC_PAPER_MEDIA2);
        tray2Shown = (::GetWindowLongA(::GetDlgItem(dialog, IDC_PAPER_ADVICE2), GWL_STYLE) &
                      WS_VISIBLE) != 0;
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    // The first run: a session, the dialog, and the module closes with it.
    EXPECT_EQ(Open(308), 1);
    EXPECT_EQ(line1, Text(IDS_PAPER_GLOSSY));
    EXPECT_EQ(advice1, Text(IDS_PAPER_ADVICE_HIGH));
    EXPECT_EQ(line2, Text(IDS_PAPER_PLAIN));
    EXPECT_TRUE(tray2Shown);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBOpenSession, CBNotifyQORClosed}));
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(TroubleshootingPageTest, AHostThatEndsTheModuleWhileThePaperDialogIsUpEndsItsLoop) {
    static HWND s_dialog = nullptr;
    static bool s_closed = false;
    s_dialog = nullptr;
    s_closed = false;
    CDialogHook terminator(CDialogHook::kActivated, [](HWND dialog) {
        if (s_dialog)
            return;
        s_dialog = dialog;
        // The host's timer fires inside the dialog's modal loop.
        ::SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
            ::KillTimer(nullptr, timer);
            EntryTerminateNow();
            s_closed = !::IsWindow(s_dialog);
        });
    });
    EXPECT_EQ(Open(308), 1);
    EXPECT_TRUE(s_closed);
    EXPECT_EQ(Main(), nullptr);
}
