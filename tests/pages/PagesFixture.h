// The Printer Features and Contact Information pages and the supplies ordering dialog, opened in
// the main window on a fake host with a test model's options.
#pragma once

#include "DialogActor.h"
#include "MainWindowFixture.h"
#include "TestEnvironment.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

using Options = std::map<std::string, std::string>;

// The options of the test model: what the pages read, as the family's default model has them.
inline Options TestModel(const Options& changes = {}) {
    Options options = {
        {"IDO_AIO_FAMILY", "0"},
        {"IDO_PANEL_MENU", "0"},
        {"IDO_FIND_PRINTABLE_USER_GUIDE", "1"},
        {"IDO_ORDER_INKCART_BUTTONS_OPTION", "0"},
        {"IDO_CONTACT_SUPPLIES_NUMBERS_BUTTON", "1"},
        {"IDO_HOMEPAGE_SUBURL", "home.html"},
        {"IDO_SUPPORT_SUBURL", "support.html"},
        {"IDO_CONTACTTECH_SUBURL", "tech.html"},
        {"IDO_REGISTRATION_SUBURL", "register.html"},
        {"IDO_SOFTWARE_SUBURL", "software.html"},
        {"IDO_SPECIALOFFER_SUBURL", "offer.html"},
        {"IDO_SUPPLIES_SUBURL", "supplies.html"},
        {"IDO_RESELLER_SUBURL", "resellers.html"},
        {"IDO_MORECONTACT_SUBURL", "more.html"},
        {"IDO_REWARD_SUBURL", "rewards.html"},
        {"IDO_PHONENUMBER_INIFILE_NAME", "vqtrphon.ini"},
        {"IDO_PHONENUMBER_SECTION_NAME", "PhoneNumbers"},
        {"IDO_PHONENNUMBER_DEFAULT_KEY_NAME", "Default"},
    };
    for (const auto& [key, value] : changes)
        options[key] = value;
    return options;
}

// A model's options in force while the object lives.
class ModelOptions : public testing_support::ScopedOptionsFile {
public:
    explicit ModelOptions(const Options& changes = {}) : ScopedOptionsFile(Lines(changes)) {}

private:
    static std::vector<std::string> Lines(const Options& changes) {
        std::vector<std::string> lines;
        for (const auto& [key, value] : TestModel(changes))
            lines.push_back(key + "=" + value);
        return lines;
    }
};

// Acts in the supplies ordering dialog once it shows, inside its modal loop; the action ends it.
class SuppliesDialogUser : public DialogActor {
public:
    explicit SuppliesDialogUser(Action action)
        : DialogActor(
              [](HWND dialog) { return ::GetDlgItem(dialog, IDC_SUPPLIES_ONLINE_LINK) != nullptr; },
              {std::move(action)}) {}
    int Shown() const { return Acted(); }
};

class PagesTest : public MainWindowTest {
protected:
    // Opens the main window on a page (its topic) and returns the page.
    template <class Page> Page& OpenPage(int topic, int index) {
        EXPECT_EQ(Open(topic), 1);
        auto* page = dynamic_cast<Page*>(Main()->GetPageSheet()->GetQorPage(index));
        EXPECT_NE(page, nullptr);
        return *page;
    }
    static void Press(HWND window, UINT id) {
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(window, static_cast<int>(id))));
    }
    static bool Visible(HWND window, UINT id) {
        return ::IsWindowVisible(::GetDlgItem(window, static_cast<int>(id))) != FALSE;
    }
    static std::string Text(HWND window, UINT id) {
        char text[256] = {};
        ::GetDlgItemTextA(window, static_cast<int>(id), text, sizeof text);
        return text;
    }
    static std::string String(UINT id) {
        CString text;
        text.LoadString(id);
        return text.c_str();
    }
    // The controls Tab reaches on a page, in order, from its first stop round to it again.
    static std::vector<int> TabStops(HWND page) {
        std::vector<int> stops;
        HWND first = ::GetNextDlgTabItem(page, nullptr, FALSE);
        for (HWND stop = first; stop && stops.size() < 64;) {
            stops.push_back(::GetDlgCtrlID(stop));
            stop = ::GetNextDlgTabItem(page, stop, FALSE);
            if (stop == first)
                break;
        }
        return stops;
    }
    // What pressing a control asked of the user interface, as the test's handler recorded it.
    std::vector<UiCall> PressAndRecord(HWND window, UINT id) {
        Calls().clear();
        Press(window, id);
        return Calls();
    }
    // The address or file that pressing a control opened through the shell; empty when it opened
    // none, or more than one thing.
    std::string OpenedBy(HWND window, UINT id) {
        const std::vector<UiCall> calls = PressAndRecord(window, id);
        return calls.size() == 1 && calls[0].kind == VQTR_UI_SHELL_OPEN ? calls[0].text : "";
    }
};
