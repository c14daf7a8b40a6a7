// QORChoosePrinter as a host calls it: the choice dialog driven from the keyboard, the empty
// list and the open module.
#include "HelpersSupport.h"

#include <Controls.h>

namespace {
enum class Step { Down, Enter, Escape, DoubleClick, OkButton, CancelButton };

// What the hook saw of the dialog, and the steps it takes in it.
struct DialogDriver {
    explicit DialogDriver(std::vector<Step> toTake = {}) : steps(std::move(toTake)) {}
    std::vector<Step> steps;
    HWND dialog = nullptr;
    bool visible = false;
    std::vector<std::string> items;
    int initialSelection = -2;
    bool stillOpenAfterSteps = false;
    UINT_PTR checkTimer = 0;
};
DialogDriver* g_driver = nullptr;
HHOOK g_hook = nullptr;

void PostKey(HWND control, UINT key) {
    ::PostMessageA(control, WM_KEYDOWN, key, 1);
    ::PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

void PostCommand(HWND dialog, int id, UINT code) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// Runs when the steps have been handled (a timer comes only when no posted message waits): a
// dialog still open failed to end; it is cancelled so that the test goes on.
void CALLBACK CheckEnded(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    if (::IsWindow(g_driver->dialog)) {
        g_driver->stillOpenAfterSteps = true;
        PostCommand(g_driver->dialog, IDCANCEL, BN_CLICKED);
    }
}

// Runs in the dialog's modal loop once it is shown.
void CALLBACK Drive(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    HWND dialog = g_driver->dialog;
    HWND list = ::GetDlgItem(dialog, IDC_PRINTER_CHOICE_LIST);
    g_driver->visible = ::IsWindowVisible(dialog);
    CListBox box(list);
    for (int index = 0; index < box.GetCount(); ++index)
        g_driver->items.push_back(box.GetText(index).c_str());
    g_driver->initialSelection = box.GetCurSel();
    for (Step step : g_driver->steps) {
        switch (step) {
        case Step::Down:
            PostKey(list, VK_DOWN);
            break;
        case Step::Enter:
            PostKey(list, VK_RETURN);
            break;
        case Step::Escape:
            PostKey(list, VK_ESCAPE);
            break;
        case Step::DoubleClick:
            PostCommand(dialog, IDC_PRINTER_CHOICE_LIST, LBN_DBLCLK);
            break;
        case Step::OkButton:
            PostCommand(dialog, IDOK, BN_CLICKED);
            break;
        case Step::CancelButton:
            PostCommand(dialog, IDCANCEL, BN_CLICKED);
            break;
        }
    }
    g_driver->checkTimer = ::SetTimer(nullptr, 0, 1, CheckEnded);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    // The activation comes while the dialog initialises: act once it is shown.
    if (code == HCBT_ACTIVATE && g_driver && !g_driver->dialog &&
        ::GetDlgItem(hwnd, IDC_PRINTER_CHOICE_LIST)) {
        g_driver->dialog = hwnd;
        ::SetTimer(nullptr, 0, 1, Drive);
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

struct MessageBoxCall {
    std::string text;
    std::string caption;
    unsigned style;
};
std::vector<MessageBoxCall> g_messageBoxes;

int RecordMessageBox(int kind, const char* text, const char* caption, unsigned number, unsigned) {
    if (kind == VQTR_UI_MESSAGE_BOX)
        g_messageBoxes.push_back({text ? text : "", caption ? caption : "", number});
    return IDOK;
}

// A printer list as a host hands it in: each name ended by a NUL, then an empty name.
std::string PrinterList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += name + '\0';
    return list + '\0';
}

std::string ResourceString(UINT id) {
    CModule resources(::LoadLibraryA("vqtrqorr.dll"));
    char text[512] = {};
    ::LoadStringA(resources, id, text, sizeof text);
    return text;
}
} // namespace

class ChoosePrinterTest : public MainWindowTest {
protected:
    ChoosePrinterTest() {
        // The choice is a whole export: the test stands where the host does.
        LeaveModuleState();
        g_messageBoxes.clear();
        VqtrSetUiHandler(&RecordMessageBox);
        g_driver = &driver;
        g_hook = ::SetWindowsHookExA(WH_CBT, CbtHook, nullptr, ::GetCurrentThreadId());
    }
    ~ChoosePrinterTest() override {
        ::UnhookWindowsHookEx(g_hook);
        g_driver = nullptr;
    }

    // The choice, with the dialog driven by the steps; the check for a dialog left open goes
    // with it, so that it cannot reach the next dialog.
    int Choose(const std::string& list, std::vector<Step> steps) {
        driver = DialogDriver(std::move(steps));
        int result = EntryChoosePrinter(list.c_str());
        if (driver.checkTimer)
            ::KillTimer(nullptr, driver.checkTimer);
        return result;
    }

    DialogDriver driver;
};

TEST_F(ChoosePrinterTest, TheChosenPrinterIsItsPositionInTheListAndCancelIsZero) {
    const std::string three = PrinterList({"Office Printer", "Lab Printer", "Home Printer"});
    struct Case {
        const char* name;
        std::string list;
        std::vector<Step> steps;
        int result;
    };
    const Case cases[] = {
        {"one printer, Enter", PrinterList({"Office Printer"}), {Step::Enter}, 1},
        {"the second, Enter", three, {Step::Down, Step::Enter}, 2},
        {"the second, OK", three, {Step::Down, Step::OkButton}, 2},
        {"the third, double-click", three, {Step::Down, Step::Down, Step::DoubleClick}, 3},
        {"Escape", three, {Step::Down, Step::Escape}, 0},
        {"Cancel", three, {Step::Down, Step::CancelButton}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Choose(c.list, c.steps), c.result);
        ASSERT_NE(driver.dialog, nullptr) << "the dialog was shown";
        EXPECT_TRUE(driver.visible);
        EXPECT_FALSE(driver.stillOpenAfterSteps);
        EXPECT_FALSE(::IsWindow(driver.dialog));
        EXPECT_EQ(driver.initialSelection, 0);
        std::vector<std::string> names;
        for (const char* name = c.list.c_str(); *name; name += std::strlen(name) + 1)
            names.push_back(name);
        EXPECT_EQ(driver.items, names);
        EXPECT_EQ(Main(), nullptr);
        EXPECT_EQ(g_hQORResModule, nullptr);
        EXPECT_TRUE(g_messageBoxes.empty());
    }
}

TEST_F(ChoosePrinterTest, EveryNameIsLoggedAndCountedUpToTheEmptyOne) {
    // An empty name ends the list: "Ignored" is not part of it.
    const std::string list = PrinterList({"Office Printer", "Lab Printer", "", "Ignored"});
    EXPECT_EQ(Choose(list, {Step::Enter}), 1);
    EXPECT_EQ(driver.items, (std::vector<std::string>{"Office Printer", "Lab Printer"}));
    EXPECT_TRUE(
        log.HasSequence({"QORChoosePrinter", "...should only display the first printer name...",
                         "Office Printer", "QOR NOT already opened"}));
    EXPECT_TRUE(
        log.HasSequence({"add PrinterName to list", "Office Printer", "add PrinterName to list",
                         "Lab Printer", "Office Printer", "NormalDlg->m_NumPrinters", "2"}));
    EXPECT_TRUE(log.HasSequence({"m_Instance !=NULL", "theCQORTabDlg != NULL"}));
}

TEST_F(ChoosePrinterTest, AnEmptyListShowsTheMessageBoxAndGivesZero) {
    const char* const lists[] = {"\0", nullptr};
    for (const char* list : lists) {
        SCOPED_TRACE(list ? "empty list" : "no list");
        g_messageBoxes.clear();
        EXPECT_EQ(EntryChoosePrinter(list), 0);
        EXPECT_EQ(driver.dialog, nullptr) << "no dialog";
        ASSERT_EQ(g_messageBoxes.size(), 1u);
        EXPECT_EQ(g_messageBoxes[0].text, ResourceString(IDS_NO_PRINTERS));
        EXPECT_EQ(g_messageBoxes[0].caption, ResourceString(IDS_MAIN_TITLE));
        EXPECT_TRUE(log.HasSequence({"NormalDlg->m_NumPrinters", "0"}));
        EXPECT_EQ(Main(), nullptr);
    }
}

TEST_F(ChoosePrinterTest, WhileTheModuleIsOpenNothingIsChosenAndTheOpenWindowCloses) {
    ASSERT_EQ(Open(100), 1);
    HWND window = *Main();
    const std::string list = PrinterList({"Office Printer", "Lab Printer"});
    EXPECT_EQ(EntryChoosePrinter(list.c_str()), 0);
    EXPECT_EQ(driver.dialog, nullptr) << "no dialog";
    EXPECT_TRUE(
        log.HasSequence({"QOR already opened", "m_Instance !=NULL", "theCQORTabDlg != NULL"}));
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(g_hQORResModule, nullptr);
}
