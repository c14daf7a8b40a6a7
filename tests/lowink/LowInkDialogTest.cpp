// The ink reorder dialog and the service-tag dialog driven as a user drives them, opened by topic
// 701 on the first run and in the open window, and on their own when the ink runs low; the
// model's thresholds as the registry holds them, right or wrong.
#include "../main/MainWindowFixture.h"
#include "DialogActor.h"
#include "main/LowInkThresholds.h"
#include "main/PrinterHelpers.h"
#include "pages/InkReorderDlg.h"
#include "status/ServiceTag.h"

#include <functional>
#include <optional>
#include <set>

namespace {
using DialogAction = DialogActor::Action;

int Template(HWND dialog) {
    return ::GetDlgItem(dialog, IDC_LOWINK_ORDER_LINK)  ? IDD_INK_REORDER
           : ::GetDlgItem(dialog, IDC_SERVICE_TAG_EDIT) ? IDD_SERVICE_TAG
                                                        : 0;
}

// Acts in the low-ink dialogs as they show (the main window is left alone).
class LowInkUser : public DialogActor {
public:
    explicit LowInkUser(std::vector<DialogAction> actions)
        : DialogActor([](HWND dialog) { return Template(dialog) != 0; }, std::move(actions)) {}
};

void Press(HWND dialog, UINT id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, static_cast<int>(id))));
}
void Type(HWND dialog, UINT id, const char* text) {
    ::SetDlgItemTextA(dialog, static_cast<int>(id), text);
}
std::string Read(HWND dialog, UINT id) {
    char text[256] = {};
    ::GetDlgItemTextA(dialog, static_cast<int>(id), text, sizeof text);
    return text;
}
std::string Text(UINT stringId) {
    CString text;
    text.LoadString(stringId);
    return text.c_str();
}

// The model's supplies key as a test leaves it: no thresholds and no tag before and after.
class SuppliesKey {
public:
    SuppliesKey() {
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, ModelSuppliesKey(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &m_key, nullptr);
        Clear();
    }
    ~SuppliesKey() {
        Clear();
        ::RegCloseKey(m_key);
    }
    SuppliesKey(const SuppliesKey&) = delete;
    SuppliesKey& operator=(const SuppliesKey&) = delete;

    void Set(const char* name, DWORD type, const void* data, DWORD size) const {
        ::RegSetValueExA(m_key, name, 0, type, static_cast<const BYTE*>(data), size);
    }
    void SetThresholds(DWORD alert, DWORD warning) const {
        Set("LowInkAlert", REG_DWORD, &alert, sizeof alert);
        Set("LowInkWarning", REG_DWORD, &warning, sizeof warning);
    }
    std::string Tag() const {
        char text[300] = {};
        DWORD size = sizeof text;
        DWORD type = 0;
        if (::RegQueryValueExA(m_key, "ServiceTag", nullptr, &type, reinterpret_cast<BYTE*>(text),
                               &size) != ERROR_SUCCESS)
            return "(none)";
        return text;
    }
    void Clear() const {
        for (const char* name : {"LowInkAlert", "LowInkWarning", "ServiceTag"})
            ::RegDeleteValueA(m_key, name);
    }

private:
    HKEY m_key = nullptr;
};

class LowInkDialogTest : public MainWindowTest {
protected:
    LowInkDialogTest() {
        // Black nearly empty, colour low: the black-and-colour very-low text.
        host.ink.nBlackLevel = 5;
        host.ink.nColorLevel1 = host.ink.nColorLevel2 = host.ink.nColorLevel3 = 20;
        supplies.SetThresholds(10, 25);
    }
    static CInkReorderDlg* Warning() {
        return Main() ? Main()->m_Slots.GetAs<CInkReorderDlg>(kLowInkDialog) : nullptr;
    }
    std::vector<std::string> ShellOpens() const {
        std::vector<std::string> opened;
        for (const UiCall& call : Calls())
            if (call.kind == VQTR_UI_SHELL_OPEN)
                opened.push_back(call.text);
        return opened;
    }
    int LogCount(const std::string& entry) const {
        std::vector<std::string> lines = log.Lines();
        return static_cast<int>(std::count(lines.begin(), lines.end(), entry));
    }

    SuppliesKey supplies;
};

TEST_F(LowInkDialogTest, OnTheFirstRunTheWarningIsShownThenTheModuleCloses) {
    std::string caption, warning;
    LowInkText chosen = LowInkText::None;
    LowInkUser user({[&](HWND dialog) {
        caption = CWindow(dialog).GetWindowText().c_str();
        warning = Read(dialog, IDC_LOWINK_WARNING);
        chosen = Warning()->GetWarning();
        Press(dialog, IDC_WIZARD_NEXT);
    }});
    EXPECT_EQ(Open(701), 1);
    EXPECT_EQ(user.Acted(), 1);
    EXPECT_EQ(caption, printer + Text(IDS_LOWINK_CAPTION));
    EXPECT_EQ(chosen, LowInkText::BlackAndColourVeryLow);
    EXPECT_EQ(warning, Text(IDS_LOWINK_BLACK_COLOUR_VERY_LOW));
    // Its own close ran the shutdown check; nothing else runs one.
    EXPECT_EQ(host.Codes(), std::vector<int>{CBNotifyQORClosed});
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(LowInkDialogTest, InTheOpenWindowEveryWayOutLeavesTheWindowOpen) {
    ASSERT_EQ(Open(kTopicHome), 1);
    // OK, Close, Escape (IDCANCEL) and the close box.
    const std::vector<std::function<void(HWND)>> ways = {
        [](HWND dialog) { Press(dialog, IDC_WIZARD_NEXT); },
        [](HWND dialog) { Press(dialog, IDC_WIZARD_CANCEL); },
        [](HWND dialog) { ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); },
        [](HWND dialog) { ::SendMessageA(dialog, WM_CLOSE, 0, 0); },
    };
    for (size_t way = 0; way < ways.size(); ++way) {
        SCOPED_TRACE(way);
        bool inSlot = false;
        LowInkUser user({[&](HWND dialog) {
            inSlot = Warning() && Warning()->m_hWnd == dialog;
            ways[way](dialog);
        }});
        host.requests.clear();
        EXPECT_EQ(EntryDisplayTopic(701, &host.status), 1);
        EXPECT_EQ(user.Acted(), 1);
        EXPECT_TRUE(inSlot);
        ASSERT_NE(Main(), nullptr);
        EXPECT_TRUE(Main()->HasMainWindow());
        EXPECT_EQ(Warning(), nullptr);
        EXPECT_EQ(host.Count(CBNotifyQORClosed), 0);
    }
}

TEST_F(LowInkDialogTest, ATypedTagIsStoredOnceAndTheLinkCarriesTheCartridges) {
    LowInkUser user({[&](HWND dialog) {
        Type(dialog, IDC_LOWINK_SERVICE_TAG, "  SVC-4711 ");
        Press(dialog, IDC_LOWINK_ORDER_LINK);
        Press(dialog, IDC_WIZARD_CANCEL);
    }});
    EXPECT_EQ(Open(701), 1);
    EXPECT_EQ(supplies.Tag(), "SVC-4711");
    EXPECT_EQ(LogCount("CQORTabDlg::WriteRegValueToModel"), 1);
    const std::vector<std::string> opened = ShellOpens();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("supplies/q710/order.html"), std::string::npos) << opened[0];
    EXPECT_NE(opened[0].find("carrier=2&cart1=80&cart2=48"), std::string::npos) << opened[0];
}

TEST_F(LowInkDialogTest, TheStoredTagIsShownAndATagEqualToTheValueNameIsAskedForAgain) {
    const char stored[] = "OLD-1";
    supplies.Set("ServiceTag", REG_SZ, stored, sizeof stored);
    std::string shown, afterwards;
    int askedIn = 0;
    LowInkUser user({[&](HWND dialog) {
                         shown = Read(dialog, IDC_LOWINK_SERVICE_TAG);
                         Type(dialog, IDC_LOWINK_SERVICE_TAG, "ServiceTag");
                         Press(dialog, IDC_LOWINK_ORDER_LINK);
                         afterwards = Read(dialog, IDC_LOWINK_SERVICE_TAG);
                         Press(dialog, IDC_WIZARD_NEXT);
                     },
                     [&](HWND dialog) {
                         askedIn = Template(dialog);
                         // A refused tag is explained and the dialog stays.
                         Type(dialog, IDC_SERVICE_TAG_EDIT, "");
                         Press(dialog, IDC_WIZARD_NEXT);
                         EXPECT_TRUE(::IsWindowVisible(dialog));
                         Type(dialog, IDC_SERVICE_TAG_EDIT, "NEW-2");
                         Press(dialog, IDC_WIZARD_NEXT);
                     }});
    EXPECT_EQ(Open(701), 1);
    EXPECT_EQ(shown, stored);
    EXPECT_EQ(askedIn, IDD_SERVICE_TAG);
    EXPECT_EQ(afterwards, "NEW-2");
    EXPECT_EQ(supplies.Tag(), "NEW-2");
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[0].kind, VQTR_UI_MESSAGE_BOX);
    EXPECT_EQ(Calls()[0].text, Text(IDS_SERVICE_TAG_EMPTY));
    EXPECT_EQ(Calls()[1].kind, VQTR_UI_SHELL_OPEN);
}

TEST_F(LowInkDialogTest, CancellingTheServiceTagStoresNothingAndFollowsNoLink) {
    std::string tooLong(kMaxServiceTagLength + 1, 'X');
    LowInkUser user({[&](HWND dialog) {
                         Press(dialog, IDC_LOWINK_ORDER_LINK);
                         // An over-long tag is never stored, not even in part.
                         Type(dialog, IDC_LOWINK_SERVICE_TAG, tooLong.c_str());
                         Press(dialog, IDC_WIZARD_NEXT);
                     },
                     [&](HWND dialog) {
                         Type(dialog, IDC_SERVICE_TAG_EDIT, "NEVER");
                         Press(dialog, IDC_WIZARD_CANCEL);
                     }});
    EXPECT_EQ(Open(701), 1);
    EXPECT_EQ(user.Acted(), 2);
    EXPECT_EQ(supplies.Tag(), "(none)");
    EXPECT_TRUE(ShellOpens().empty());
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(LowInkDialogTest, AHostThatClosesTheModuleEndsTheWarningAndNothingIsTouchedAfter) {
    LeaveModuleState();
    for (bool withWindow : {false, true}) {
        SCOPED_TRACE(withWindow);
        if (withWindow) {
            ASSERT_EQ(Open(kTopicHome), 1);
        }
        bool closed = false;
        LowInkUser user({[&](HWND dialog) {
            Type(dialog, IDC_LOWINK_SERVICE_TAG, "SVC-9");
            EntryTerminateNow();
            closed = !::IsWindow(dialog);
        }});
        host.requests.clear();
        const int result = withWindow ? EntryDisplayTopic(701, &host.status) : Open(701);
        EXPECT_EQ(result, 1);
        EXPECT_TRUE(closed);
        EXPECT_EQ(Main(), nullptr);
        // Closed by the host: no tag stored, no shutdown check, no request.
        EXPECT_EQ(supplies.Tag(), "(none)");
        EXPECT_TRUE(host.requests.empty());
    }
}

TEST_F(LowInkDialogTest, TheWarningOpensOnItsOwnOncePerEpisodeOfLowInk) {
    host.ink.nBlackLevel = 60;
    host.ink.nColorLevel1 = host.ink.nColorLevel2 = host.ink.nColorLevel3 = 50;
    ASSERT_EQ(Open(kTopicHome), 1);
    int shown = 0;
    LowInkUser user(std::vector<DialogAction>(3, [&](HWND dialog) {
        ++shown;
        Press(dialog, IDC_WIZARD_CANCEL);
    }));
    // Each status update: whether the ink is low, and whether the warning then opens.
    const std::pair<LONG, bool> updates[] = {{60, false}, {8, true},   {8, false},
                                             {7, false},  {95, false}, {9, true}};
    for (const auto& [black, opens] : updates) {
        SCOPED_TRACE(black);
        host.ink.nBlackLevel = black;
        Main()->SnapshotStatus();
        EXPECT_EQ(EntryUpdateStatus(&host.status), 1);
        // The warning waits for the host's loop: the update itself returns at once.
        EXPECT_EQ(Warning(), nullptr);
        const bool pending = ::KillTimer(*Main(), CQORTabDlg::kLowInkTimer);
        EXPECT_EQ(pending, opens);
        const int before = shown;
        if (pending)
            CQORTabDlg::LowInkTimerProc(*Main(), WM_TIMER, CQORTabDlg::kLowInkTimer, 0);
        EXPECT_EQ(shown - before, opens ? 1 : 0);
    }
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->HasMainWindow());
}

struct ThresholdCase {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
    LONG expected;
};

TEST_F(LowInkDialogTest, ThresholdsOfAnotherTypeOrSizeAreLoggedAndGiveNoWarning) {
    const ThresholdCase cases[] = {
        {"number", REG_DWORD, {12, 0, 0, 0}, 12},
        {"text", REG_SZ, {'1', '2', 0}, LowInkThresholds::kNoThreshold},
        {"short", REG_BINARY, {12, 0}, LowInkThresholds::kNoThreshold},
        {"wide", REG_QWORD, {12, 0, 0, 0, 0, 0, 0, 0}, LowInkThresholds::kNoThreshold},
        {"huge", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, 0x7FFFFFFF},
    };
    for (const ThresholdCase& test : cases) {
        SCOPED_TRACE(test.name);
        supplies.Clear();
        supplies.Set("LowInkAlert", test.type, test.data.data(),
                     static_cast<DWORD>(test.data.size()));
        CRegistry registry;
        const LowInkThresholds read = ReadLowInkThresholds(registry);
        EXPECT_EQ(read.alert, test.expected);
        // The missing warning value is logged as an error.
        EXPECT_EQ(read.warning, LowInkThresholds::kNoThreshold);
        EXPECT_TRUE(log.Contains("LowInkWarning"));
    }
    // Without thresholds the dialog still opens, with no text.
    supplies.Clear();
    std::string warning = "unread";
    LowInkUser user({[&](HWND dialog) {
        warning = Read(dialog, IDC_LOWINK_WARNING);
        Press(dialog, IDC_WIZARD_NEXT);
    }});
    EXPECT_EQ(Open(701), 1);
    EXPECT_EQ(warning, "");
}
} // namespace

namespace {
using testing_support::PhoneNumberFilePath;

struct PhoneCase {
    const char* name;
    const char* contents; // null: no file
    const char* shown;    // null: the not-available text
};

TEST_F(LowInkDialogTest, ThePhoneNumberIsTheLocalesOrTheDefaultOrSaidToBeMissing) {
    testing_support::ScopedEnvironment locale("VQTR_LOCALE", "00000407");
    const PhoneCase cases[] = {
        {"locale",
         "[PhoneNumbers]\n  0x0409=1-800-555-0100\n  0x0407=0800 555 0199\nDefault=+1 555 0000\n",
         "0800 555 0199"},
        {"default", "[PhoneNumbers]\n  0x0409=1-800-555-0100\nDefault=+1 555 0000\n",
         "+1 555 0000"},
        {"empty", "[PhoneNumbers]\n  0x0407=\n", nullptr},
        {"other section", "[Numbers]\nDefault=+1 555 0000\n", nullptr},
        {"no file", nullptr, nullptr},
    };
    for (const PhoneCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::optional<testing_support::TempFile> file;
        if (test.contents)
            file.emplace(PhoneNumberFilePath(), test.contents);
        std::string shown;
        LowInkUser user({[&](HWND dialog) {
            shown = Read(dialog, IDC_LOWINK_PHONE);
            Press(dialog, IDC_WIZARD_NEXT);
        }});
        EXPECT_EQ(Open(701), 1);
        EXPECT_EQ(shown, test.shown ? test.shown : Text(IDS_LOWINK_PHONE_MISSING));
    }
}
} // namespace
