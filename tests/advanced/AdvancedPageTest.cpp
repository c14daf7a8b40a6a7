// The Advanced page in the main window: the communication box and its question, the rows it
// shows, the web update with the project's update program, and its keyboard.
#include "AdvancedFixture.h"

#include "Registry.h"
#include "status/DosPrinting.h"

#include <cctype>
#include <set>

namespace {
using testing_support::ScopedEnvironment;
using testing_support::TempFile;

class CommunicationBoxTest : public AdvancedPageTest {
protected:
    CommunicationBoxTest() {
        Answer() = IDOK;
        VqtrSetUiHandler(&Answering);
    }
    // The answer the user gives to the message box.
    static int& Answer() {
        static int answer = IDOK;
        return answer;
    }
    static int Answering(int kind, const char* text, const char* caption, unsigned number,
                         unsigned command) {
        RecordUi(kind, text, caption, number, command);
        return kind == VQTR_UI_MESSAGE_BOX ? Answer() : 0;
    }
    int MessageBoxes() const {
        int count = 0;
        for (const UiCall& call : Calls())
            count += call.kind == VQTR_UI_MESSAGE_BOX;
        return count;
    }
};

TEST_F(CommunicationBoxTest, TurningCommunicationOffIsConfirmedAndCancelKeepsItOn) {
    OpenPage();
    HWND box = Item(IDC_ADVANCED_BIDI_OFF);
    ASSERT_TRUE(Shown(IDC_ADVANCED_BIDI_OFF));
    EXPECT_FALSE(Ticked(box)); // "Bidi" is 1 for a new printer

    Answer() = IDCANCEL;
    ClickCommunicationBox();
    EXPECT_EQ(MessageBoxes(), 1);
    EXPECT_EQ(Calls().back().number, static_cast<unsigned>(MB_OKCANCEL | MB_ICONEXCLAMATION));
    EXPECT_FALSE(Ticked(box));
    EXPECT_EQ(Main()->m_bBidiNew, 1);
    EXPECT_EQ(Main()->m_bSettingsChanged, 0);
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(*Page(), IDC_PAGE_CLOSE)));

    Answer() = IDOK;
    ClickCommunicationBox();
    EXPECT_TRUE(Ticked(box));
    EXPECT_EQ(Main()->m_bBidiNew, 0);
    EXPECT_EQ(Main()->m_bSettingsChanged, 1);
    // The unsaved setting shows OK and Cancel in place of Close.
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(*Page(), IDC_PAGE_OK)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(*Page(), IDC_PAGE_CLOSE)));
}

TEST_F(CommunicationBoxTest, TurnedBackOnAndCancelledLeavesItUntickedWithBothFlagsSet) {
    // Communication is off for this printer: the box starts ticked.
    CRegistry registry;
    registry.SetFriendlyName(printer.c_str());
    ASSERT_TRUE(registry.Create("QOR"));
    registry.Write("Bidi", DWORD{0});
    registry.Close();
    OpenPage();
    HWND box = Item(IDC_ADVANCED_BIDI_OFF);
    ASSERT_TRUE(Ticked(box));
    EXPECT_EQ(Main()->m_bBidi, 0);

    ClickCommunicationBox(); // unticked: communication back on, asked nothing
    EXPECT_EQ(MessageBoxes(), 0);
    EXPECT_EQ(Main()->m_bBidiNew, 1);
    EXPECT_EQ(Main()->m_bSettingsChanged, 1);

    Answer() = IDCANCEL;
    ClickCommunicationBox();
    EXPECT_EQ(MessageBoxes(), 1);
    EXPECT_FALSE(Ticked(box));
    EXPECT_EQ(Main()->m_bBidiNew, 1);

    // OK on the page stores the setting.
    LeaveModuleState();
    ::SendMessageA(*Page(), WM_COMMAND, MAKEWPARAM(IDC_PAGE_OK, BN_CLICKED), 0);
    DWORD bidi = 7;
    ASSERT_TRUE(registry.Open("QOR"));
    registry.Read("Bidi", bidi);
    EXPECT_EQ(bidi, 1u);
}

struct PortCase {
    DWORD port;
    bool shown;
    bool ticked;
};

class CommunicationBoxPortTest : public CommunicationBoxTest,
                                 public ::testing::WithParamInterface<PortCase> {};

TEST_P(CommunicationBoxPortTest, IsHiddenWhereTheConnectionDecides) {
    host.port.dwPortType = GetParam().port;
    OpenPage();
    EXPECT_EQ(Shown(IDC_ADVANCED_BIDI_OFF), GetParam().shown);
    EXPECT_EQ(::IsWindowEnabled(Item(IDC_ADVANCED_BIDI_OFF)) != FALSE, GetParam().shown);
    EXPECT_EQ(Ticked(Item(IDC_ADVANCED_BIDI_OFF)), GetParam().ticked);
}

INSTANTIATE_TEST_SUITE_P(Ports, CommunicationBoxPortTest,
                         ::testing::Values(PortCase{1, true, false}, PortCase{2, true, false},
                                           PortCase{3, false, true}, PortCase{4, false, false},
                                           PortCase{7, false, false}, PortCase{9, false, false}));

TEST_F(AdvancedPageTest, TheDosRowIsHiddenForTheJapaneseLocaleAndConnection3) {
    {
        ScopedEnvironment japanese{"VQTR_LOCALE", "00000411"};
        OpenPage();
        EXPECT_FALSE(Shown(IDC_ADVANCED_DOS_BUTTON));
        EXPECT_FALSE(Shown(IDC_ADVANCED_DOS_LABEL));
        EXPECT_TRUE(Shown(IDC_ADVANCED_DOS_NOTE));
        EntryTerminateNow();
    }
    ScopedEnvironment english{"VQTR_LOCALE", "00000409"};
    host.port.dwPortType = QOR_PORT_3;
    OpenPage();
    EXPECT_FALSE(Shown(IDC_ADVANCED_DOS_BUTTON));
    EXPECT_FALSE(Shown(IDC_ADVANCED_DOS_NOTE));
    // Elsewhere the platform decides as the rule says.
    EntryTerminateNow();
    host.port.dwPortType = QOR_PORT_USB;
    OpenPage();
    EXPECT_EQ(Shown(IDC_ADVANCED_DOS_BUTTON),
              ShowsDosPrintingRow(QOR_PORT_USB, "00000409", CRegistry::GetOSPlatform(), true));
}

TEST_F(AdvancedPageTest, OptionsHideTheUpdateNetworkAndSoftwareRows) {
    TestOptions options{{{"IDO_SUPPORT_WEBUPDATE", "0"},
                         {"IDO_CORVANEP2PFIGURATION", "0"},
                         {"IDO_SOFTWARE_URL_OVERRIDE", "1"}}};
    OpenPage();
    for (UINT id : {IDC_ADVANCED_UPDATE_LABEL, IDC_ADVANCED_UPDATE_BUTTON, IDC_ADVANCED_P2P_LABEL,
                    IDC_ADVANCED_P2P_BUTTON, IDC_ADVANCED_P2P_NOTE, IDC_ADVANCED_SOFTWARE_CAPTION,
                    IDC_ADVANCED_SOFTWARE_LINK})
        EXPECT_FALSE(Shown(id)) << id;
    EXPECT_TRUE(Shown(IDC_ADVANCED_VERSION_BUTTON));
}

struct UpdateCase {
    const char* option;
    bool runs;
    bool closes;
};

class WebUpdateTest : public AdvancedPageTest, public ::testing::WithParamInterface<UpdateCase> {
protected:
    TempFile record;
    ScopedEnvironment recording{"VQTR_WEBUPDATE_RECORD", record.Path()};
};

TEST_P(WebUpdateTest, RunsTheUpdateProgramAndClosesWhenItInstalledOne) {
    const UpdateCase& update = GetParam();
    TestOptions options{{{"IDO_WEBUPDATE_EXE", update.option}}};
    OpenPage();
    LeaveModuleState();
    Press(IDC_ADVANCED_UPDATE_BUTTON);
    const std::vector<std::string> lines = record.Lines();
    if (update.runs) {
        ASSERT_EQ(lines.size(), 1u);
        // The program is named by its whole path, in quotes, with the language after it.
        EXPECT_EQ(lines[0], "\"" + ModuleFolder() + "vqtrwupd.exe\" " +
                                std::string(update.option).substr(13) + "english");
    } else {
        EXPECT_TRUE(lines.empty());
        EXPECT_TRUE(log.Contains(
            "CQORAdvancedPage::OnWebUpdate() the update program could not be started"));
        ASSERT_FALSE(Calls().empty());
        EXPECT_EQ(Calls().back().kind, VQTR_UI_MESSAGE_BOX);
    }
    EXPECT_EQ(Main() == nullptr, update.closes);
    const bool closedNotice =
        !host.requests.empty() && host.requests.back().code == CBNotifyQORClosed;
    EXPECT_EQ(closedNotice, update.closes);
}

INSTANTIATE_TEST_SUITE_P(ExitCodes, WebUpdateTest,
                         ::testing::Values(UpdateCase{"vqtrwupd.exe /exit:0 /lang:", true, false},
                                           UpdateCase{"vqtrwupd.exe /exit:1 /lang:", true, true},
                                           UpdateCase{"vqtrwupd.exe /exit:2 /lang:", true, false},
                                           UpdateCase{"vqtrmissing.exe /lang:", false, false}));

// The mnemonic letter of a control's text, 0 when it has none.
char Mnemonic(HWND control) {
    char text[256] = {};
    ::GetWindowTextA(control, text, sizeof text);
    for (const char* at = text; *at; ++at)
        if (at[0] == '&' && at[1] && at[1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(at[1])));
    return 0;
}

// Every shown control that acts is a tab stop, and the shown mnemonics differ from each other
// (the closing buttons have none).
void ExpectKeyboardReachable(HWND window) {
    std::set<char> seen;
    for (HWND child = ::GetWindow(window, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child))
            continue;
        char className[32] = {};
        ::GetClassNameA(child, className, sizeof className);
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        const bool acts =
            lstrcmpiA(className, "Button") == 0 || lstrcmpiA(className, "ComboBox") == 0;
        if (acts) {
            EXPECT_TRUE(style & WS_TABSTOP) << ::GetDlgCtrlID(child);
        }
        if (char letter = Mnemonic(child)) {
            EXPECT_TRUE(seen.insert(letter).second) << "mnemonic " << letter << " twice";
        }
    }
}

TEST_F(AdvancedPageTest, EveryControlIsReachableByKeyboard) {
    OpenPage();
    ExpectKeyboardReachable(*Page());
    PressAndAct(IDC_ADVANCED_DOS_BUTTON, [](HWND dialog) {
        ExpectKeyboardReachable(dialog);
        // Enter is OK.
        EXPECT_EQ(LOWORD(::SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDC_DOS_OK);
        ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}
} // namespace
