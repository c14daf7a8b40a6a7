// The post-install wizard opened through the exports on the fake host, with a test model, a
// preload file in the system folder and the printer's registry read back.
#pragma once

#include "../main/MainWindowFixture.h"
#include "../inkpage/InkTestSupport.h"
#include "install/DesktopShortcut.h"
#include "install/InstallBackendWizardSheet.h"
#include "install/InstallState.h"

#include <algorithm>
#include <memory>

// A printer model without accompanying applications or all-in-one parts, whose preload file is
// vqtr_install_preload.ini in the system folder.
inline const std::vector<std::pair<std::string, std::string>> kInstallModel = {
    {"IDO_PLC_FILENAME", "vqtr_install_preload.ini"},
    {"IDO_PLC_SECTION_NAME", "Preload"},
    {"IDO_PRELOAD_KEY_POSTINSTALLDIALOGS", "PostInstallDialogs"},
    {"IDO_PRELOAD_KEY_DESKTOPICON1", "DesktopIcon1"},
    {"IDO_PRELOAD_KEY_DESKTOPICON2", "DesktopIcon2"},
    {"IDO_PRELOAD_KEY_LAUNCHAIO", "LaunchAioCenter"},
    {"IDO_PRELOAD_KEY_REMINDME", "RemindMe"},
    {"IDO_BUNDLED_APPS", "0"},
    {"IDO_AIO_FAMILY", "0"},
    {"IDO_SUPPORT_AUTOALIGNMENT", "0"},
    {"IDO_2STEP_INSTALLWIZARD_OPTION", "0"},
    {"IDO_REGISTRATION_URL_OVERRIDE", "0"},
    {"IDO_REGISTRATION_SUBURL", "register/index.html"},
    {"IDO_JSWDEFAULTSKIN", "Standard"},
    {"IDO_DEFAULT_SOUND", "1"},
    {"IDO_PRINTHEADFORMAT", "1"},
};

// The test model with some options changed.
inline std::vector<std::pair<std::string, std::string>>
InstallModelWith(const std::vector<std::pair<std::string, std::string>>& changes) {
    std::vector<std::pair<std::string, std::string>> model = kInstallModel;
    for (const auto& [key, value] : changes) {
        auto found = std::find_if(model.begin(), model.end(),
                                  [&key](const auto& option) { return option.first == key; });
        if (found == model.end())
            model.emplace_back(key, value);
        else
            found->second = value;
    }
    return model;
}

class InstallWizardTest : public MainWindowTest {
protected:
    InstallWizardTest() {
        char system[MAX_PATH] = {};
        ::GetSystemDirectoryA(system, MAX_PATH);
        preloadPath = std::string(system) + "\\vqtr_install_preload.ini";
        ::DeleteFileA(preloadPath.c_str());
        shortcut = std::string(LinkFileName(DesktopFolder(), ShortcutName()));
        ::DeleteFileA(shortcut.c_str());
        // Each test is a load of the module of its own.
        g_bOpenedByTopic600 = 0;
    }
    ~InstallWizardTest() override {
        ::DeleteFileA(preloadPath.c_str());
        ::DeleteFileA(shortcut.c_str());
    }

    void Preload(const std::string& lines) {
        // The file before goes first: both have the same path.
        preload.reset();
        preload = std::make_unique<testing_support::TempFile>(preloadPath, "[Preload]\n" + lines);
    }
    static CInstallBackendWizardSheet* Sheet() {
        return Main() ? Main()->m_Slots.GetAs<CInstallBackendWizardSheet>(kInstallSheet) : nullptr;
    }
    // The kind of the page shown.
    static InstallPage Shown() {
        CInstallBackendWizardSheet* sheet = Sheet();
        return sheet->Plan().at(static_cast<size_t>(sheet->GetCurrentPage()));
    }
    // Presses a button of the page shown; its handler may close the wizard and the module.
    static void Press(UINT id) {
        HWND page = *Sheet()->GetActivePage();
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(page, static_cast<int>(id))));
    }
    static HWND Item(UINT id) {
        return ::GetDlgItem(*Sheet()->GetActivePage(), static_cast<int>(id));
    }
    static bool Checked(UINT id) {
        return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // Types the values into the page's fields, in order.
    static void Type(const std::vector<std::pair<UINT, const char*>>& values) {
        for (const auto& [field, text] : values)
            ::SetWindowTextA(Item(field), text);
    }
    static bool Exists(const std::string& path) {
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    // A value of the printer's registry key; -1 when it cannot be read.
    long PrinterValue(const char* key, const char* name) const {
        const std::string path =
            "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + printer + "\\" + key;
        DWORD value = 0;
        DWORD size = sizeof value;
        if (::RegGetValueA(HKEY_LOCAL_MACHINE, path.c_str(), name, RRF_RT_REG_DWORD, nullptr,
                           &value, &size) != ERROR_SUCCESS)
            return -1;
        return static_cast<long>(value);
    }
    long InstallRunning() const { return PrinterValue("QOR", "Install Running"); }
    // The printer program's shortcut as the resource module names it.
    static const char* ShortcutName() { return "Q710 Printer Assistant"; }

    TestOptions options{kInstallModel};
    std::string preloadPath;
    std::unique_ptr<testing_support::TempFile> preload;
    std::string shortcut;
};
