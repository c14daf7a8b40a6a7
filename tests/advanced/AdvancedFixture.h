// The Advanced page opened in the main window on a fake host, with the printer's driver data key
// at hand and the modal windows the page opens driven from inside their loops.
#pragma once

#include "../inkpage/InkTestSupport.h"
#include "../main/MainWindowFixture.h"
#include "DialogHook.h"
#include "TestEnvironment.h"
#include "pages/AdvancedPage.h"

#include <functional>
#include <map>
#include <string>

class AdvancedPageTest : public MainWindowTest {
protected:
    std::string DriverDataKey() const {
        return "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + printer +
               "\\PrinterDriverData";
    }
    // The key's values as the test reads them: text values as they stand, others as their type.
    std::map<std::string, std::string> DriverData() const {
        std::map<std::string, std::string> values;
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, DriverDataKey().c_str(), 0, KEY_READ, &key))
            return values;
        for (DWORD index = 0;; ++index) {
            char name[256];
            DWORD nameLength = sizeof name;
            BYTE data[512];
            DWORD size = sizeof data;
            DWORD type = 0;
            if (::RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &size))
                break;
            values[name] = type == REG_SZ ? std::string(reinterpret_cast<char*>(data))
                                          : "type " + std::to_string(type);
        }
        ::RegCloseKey(key);
        return values;
    }
    void SetValue(const char* name, DWORD type, const void* data, DWORD size) const {
        ASSERT_EQ(
            ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, DriverDataKey().c_str(), name, type, data, size),
            ERROR_SUCCESS);
    }
    void SetText(const char* name, const std::string& text) const {
        SetValue(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    void ClearDriverData() const { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, DriverDataKey().c_str()); }

    CQORAdvancedPage* OpenPage() {
        EXPECT_EQ(Open(105), 1);
        return Page();
    }
    static CQORAdvancedPage* Page() {
        CQORPageSheet* sheet = Main() ? Main()->GetPageSheet() : nullptr;
        return sheet ? static_cast<CQORAdvancedPage*>(sheet->GetQorPage(kAdvancedPage)) : nullptr;
    }
    static HWND Item(UINT id) { return ::GetDlgItem(*Page(), static_cast<int>(id)); }
    static bool Shown(UINT id) { return ::IsWindowVisible(Item(id)) != FALSE; }
    static void Press(UINT id) {
        ::SendMessageA(*Page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Item(id)));
    }
    // A click on the communication box: it changes its tick and tells the page.
    static void ClickCommunicationBox() {
        ::SendMessageA(Item(IDC_ADVANCED_BIDI_OFF), BM_CLICK, 0, 0);
    }
    static bool Ticked(HWND box) { return ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // Presses a page command that runs a modal dialog, and acts in the dialog once its loop runs.
    static void PressAndAct(UINT id, std::function<void(HWND)> act) {
        Acting() = std::move(act);
        Acted() = false;
        CDialogHook hook(CDialogHook::kActivated, [](HWND dialog) {
            Dialog() = dialog;
            ::SetTimer(nullptr, 0, 1, &ActNow);
        });
        Press(id);
        Acting() = nullptr;
        EXPECT_TRUE(Acted()) << "no dialog came up for command " << id;
    }
    static HWND& Dialog() {
        static HWND dialog = nullptr;
        return dialog;
    }

private:
    static std::function<void(HWND)>& Acting() {
        static std::function<void(HWND)> act;
        return act;
    }
    static bool& Acted() {
        static bool acted = false;
        return acted;
    }
    static void CALLBACK ActNow(HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        if (!Acting() || !::IsWindow(Dialog()))
            return;
        Acted() = true;
        Acting()(Dialog());
    }
};
