// The DOS printing dialog opened from the Advanced page: what it reads from the printer's driver
// data, what it shows and what it writes.
#include "AdvancedFixture.h"

#include "pages/DosPrintingStore.h"

namespace {
using testing_support::ScopedEnvironment;

int Selected(HWND dialog, UINT list) {
    return static_cast<int>(
        ::SendDlgItemMessageA(dialog, static_cast<int>(list), CB_GETCURSEL, 0, 0));
}
bool Checked(HWND dialog, UINT box) {
    return ::IsDlgButtonChecked(dialog, static_cast<int>(box)) == BST_CHECKED;
}
bool Enabled(HWND dialog, UINT id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, static_cast<int>(id))) != FALSE;
}
void Command(HWND dialog, UINT id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, static_cast<int>(id))));
}

// What the dialog showed when it opened.
struct DialogState {
    int font = -2;
    int symbolSet = -2;
    bool carriage = false;
    bool enabled = false;
    bool listsEnabled = false;
};

class DosPrintingDlgTest : public AdvancedPageTest {
protected:
    // Opens the dialog from the page, reads what it shows, acts, and ends it with the command.
    DialogState OpenAndClose(UINT closing, const std::function<void(HWND)>& act = nullptr) {
        DialogState shown;
        PressAndAct(IDC_ADVANCED_DOS_BUTTON, [&](HWND dialog) {
            shown = {Selected(dialog, IDC_DOS_FONT_LIST), Selected(dialog, IDC_DOS_SYMBOL_SET_LIST),
                     Checked(dialog, IDC_DOS_CARRIAGE), Checked(dialog, IDC_DOS_ENABLE),
                     Enabled(dialog, IDC_DOS_FONT_LIST)};
            if (act)
                act(dialog);
            Command(dialog, closing);
        });
        return shown;
    }
    ScopedEnvironment locale{"VQTR_LOCALE", "00000415"};
    using Values = std::map<std::string, std::string>;
    // The defaults of the Polish locale, with DOS printing on, as they are stored.
    const Values kPolishDefaults{{"CarriageDef", "0"},
                                 {"CharSet", "565"},
                                 {"DisableDOS", "0"},
                                 {"Pitch", "1000"},
                                 {"TypeFace", "3"}};
};

TEST_F(DosPrintingDlgTest, FirstVisitWritesTheLocaleDefaultsAndShowsThem) {
    OpenPage();
    // The main window has made the key with "DisableDOS" alone.
    EXPECT_EQ(DriverData(), (Values{{"DisableDOS", "0"}}));
    const DialogState shown = OpenAndClose(IDC_DOS_CANCEL);
    EXPECT_EQ(shown.font, 1); // Courier 10 cpi: typeface 3, pitch 1000
    EXPECT_EQ(shown.symbolSet, SymbolSetRowFor(565));
    EXPECT_FALSE(shown.carriage);
    EXPECT_TRUE(shown.enabled);
    EXPECT_TRUE(shown.listsEnabled);
    EXPECT_EQ(DriverData(), kPolishDefaults);
}

TEST_F(DosPrintingDlgTest, APrinterWithoutTheKeyGetsItWithTheDefaults) {
    ScopedEnvironment other{"VQTR_LOCALE", "00000407"};
    CRegistry registry;
    registry.SetFriendlyName(printer.c_str());
    const StoredDosValues stored = LoadDosSettings(registry, "00000407");
    EXPECT_EQ(stored.charSet, 437u);
    EXPECT_EQ(stored.typeface, 3u);
    EXPECT_EQ(stored.pitch, 1000u);
    EXPECT_EQ(stored.carriage, 0u);
    EXPECT_TRUE(stored.enabled);
    EXPECT_EQ(
        DriverData(),
        (Values{{"CarriageDef", "0"}, {"CharSet", "437"}, {"Pitch", "1000"}, {"TypeFace", "3"}}));
}

TEST_F(DosPrintingDlgTest, StoredValuesAreShownAndAPairNotInTheTableSelectsRowZero) {
    OpenPage();
    SetText("TypeFace", "6");
    SetText("Pitch", "1200");
    SetText("CharSet", "114");
    SetText("CarriageDef", "1");
    SetText("DisableDOS", "1");
    DialogState shown = OpenAndClose(IDC_DOS_CANCEL);
    EXPECT_EQ(shown.font, 4);
    EXPECT_EQ(shown.symbolSet, 29);
    EXPECT_TRUE(shown.carriage);
    EXPECT_FALSE(shown.enabled);
    EXPECT_FALSE(shown.listsEnabled);

    SetText("Pitch", "1000");
    SetText("CharSet", "1");
    shown = OpenAndClose(IDC_DOS_CANCEL);
    EXPECT_EQ(shown.font, 0);
    EXPECT_EQ(shown.symbolSet, 0);
}

struct BadValue {
    const char* what;
    DWORD type;
    std::string data;
};

TEST_F(DosPrintingDlgTest, ValuesOfTheWrongTypeSizeOrLengthLeaveRowZeroAndAreLogged) {
    OpenPage();
    const DWORD number = 1000;
    const BadValue cases[] = {
        {"a number value", REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)},
        {"bytes", REG_BINARY, std::string("\x03\xE8\x00", 3)},
        {"a text without a number", REG_SZ, std::string("ten\0", 4)},
        {"a text of 24 digits", REG_SZ, std::string(21, '0') + "100" + '\0'},
        {"a text longer than its buffer", REG_SZ, std::string(40, '1') + '\0'},
        {"a text of 25 bytes without terminator", REG_SZ, std::string(24, '0') + "7"},
        {"an empty text", REG_SZ, std::string(1, '\0')},
    };
    SetText("TypeFace", "3");
    SetText("CharSet", "565");
    auto refusals = [this] {
        size_t count = 0;
        for (const std::string& line : log.Lines())
            count += line.find("a stored value is not used") != std::string::npos;
        return count;
    };
    for (const BadValue& bad : cases) {
        const size_t before = refusals();
        SCOPED_TRACE(bad.what);
        SetValue("Pitch", bad.type, bad.data.data(), static_cast<DWORD>(bad.data.size()));
        SetValue("CarriageDef", bad.type, bad.data.data(), static_cast<DWORD>(bad.data.size()));
        const DialogState shown = OpenAndClose(IDC_DOS_CANCEL);
        EXPECT_EQ(shown.font, 0);
        EXPECT_FALSE(shown.carriage);
        // The other values still count.
        EXPECT_EQ(shown.symbolSet, 20);
        // Each of the two values is refused on its own.
        EXPECT_EQ(refusals(), before + 2);
    }
}

TEST_F(DosPrintingDlgTest, OkWritesExactlyTheFiveValues) {
    OpenPage();
    OpenAndClose(IDC_DOS_OK, [](HWND dialog) {
        ::SendDlgItemMessageA(dialog, IDC_DOS_FONT_LIST, CB_SETCURSEL, 4, 0);
        ::SendDlgItemMessageA(dialog, IDC_DOS_SYMBOL_SET_LIST, CB_SETCURSEL, 51, 0);
        ::SendDlgItemMessageA(dialog, IDC_DOS_CARRIAGE, BM_CLICK, 0, 0);
        ::SendDlgItemMessageA(dialog, IDC_DOS_ENABLE, BM_CLICK, 0, 0);
        EXPECT_FALSE(Enabled(dialog, IDC_DOS_SYMBOL_SET_LIST));
    });
    EXPECT_EQ(DriverData(), (Values{{"CarriageDef", "1"},
                                    {"CharSet", "757"},
                                    {"DisableDOS", "1"},
                                    {"Pitch", "1200"},
                                    {"TypeFace", "6"}}));
    // Saving the page afterwards keeps what the dialog stored.
    EXPECT_EQ(Main()->m_bDOSPrinting, 0);
    EXPECT_EQ(Main()->m_bDOSPrintingNew, 0);
}

TEST_F(DosPrintingDlgTest, RestoreDefaultsWritesNothingUntilOk) {
    OpenPage();
    SetText("TypeFace", "6");
    SetText("Pitch", "1200");
    SetText("CharSet", "114");
    SetText("CarriageDef", "1");
    const Values stored = DriverData();
    DialogState restored;
    OpenAndClose(IDC_DOS_CANCEL, [&](HWND dialog) {
        Command(dialog, IDC_DOS_RESTORE_DEFAULTS);
        restored = {Selected(dialog, IDC_DOS_FONT_LIST), Selected(dialog, IDC_DOS_SYMBOL_SET_LIST),
                    Checked(dialog, IDC_DOS_CARRIAGE), Checked(dialog, IDC_DOS_ENABLE), true};
    });
    EXPECT_EQ(restored.font, 1);
    EXPECT_EQ(restored.symbolSet, 20);
    EXPECT_FALSE(restored.carriage);
    EXPECT_EQ(DriverData(), stored);

    OpenAndClose(IDC_DOS_OK, [](HWND dialog) { Command(dialog, IDC_DOS_RESTORE_DEFAULTS); });
    EXPECT_EQ(DriverData(), kPolishDefaults);
}

TEST_F(DosPrintingDlgTest, EscapeClosesWithoutWritingAndHelpOpensItsTopic) {
    OpenPage();
    for (const char* name : {"CharSet", "TypeFace", "Pitch", "CarriageDef"})
        SetText(name, "3");
    const Values before = DriverData();
    PressAndAct(IDC_ADVANCED_DOS_BUTTON, [](HWND dialog) {
        ::SendDlgItemMessageA(dialog, IDC_DOS_CARRIAGE, BM_CLICK, 0, 0);
        Command(dialog, IDC_DOS_HELP);
        ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(DriverData(), before);
    ASSERT_FALSE(Calls().empty());
    const UiCall& help = Calls().back();
    EXPECT_EQ(help.kind, VQTR_UI_HELP);
    EXPECT_EQ(help.number, 224u);
    EXPECT_NE(help.text.find("spool\\drivers\\x64\\3\\vqtrqor.chm"), std::string::npos)
        << help.text;
}
} // namespace
