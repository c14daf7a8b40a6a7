#include "ControlTestSupport.h"
#include "OptionsDialogs.h"
#include "Registry.h"
#include "WizardSheet.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace controls_test;

namespace {
CDialogTemplate PageTemplate(const char* label) {
    CDialogTemplate page(WS_CHILD | DS_CONTROL, RECT{0, 0, 160, 80});
    page.AddControl("STATIC", label, 200, WS_CHILD | WS_VISIBLE, RECT{8, 8, 150, 20});
    return page;
}

// A page that can refuse to be left.
class CTestPage : public CPropertyPage {
public:
    explicit CTestPage(const DLGTEMPLATE* dialogTemplate) : CPropertyPage(dialogTemplate) {}
    BOOL OnKillActive() override { return !keep; }
    bool keep = false;
};

class CTestSheet : public CWizardSheet {
public:
    CTestSheet() : CWizardSheet("Wizard") {
        for (const char* label : {"First", "Second", "Third"}) {
            templates.push_back(std::make_unique<CDialogTemplate>(PageTemplate(label)));
            pages.push_back(std::make_unique<CTestPage>(templates.back()->Get()));
            AddPage(pages.back().get());
        }
    }
    std::vector<std::unique_ptr<CDialogTemplate>> templates;
    std::vector<std::unique_ptr<CTestPage>> pages;
};
} // namespace

TEST(WizardSheet, ShowsPagesByNumber) {
    CTestSheet sheet;
    sheet.NoTabs();
    EXPECT_EQ(sheet.GetCurrentPage(), 0);
    EXPECT_TRUE(sheet.ShowPageNumber(1)); // before the window: the first page shown
    EXPECT_FALSE(sheet.ShowPageNumber(3));
    ASSERT_TRUE(sheet.Create());
    DispatchWaitingMessages();
    EXPECT_EQ(sheet.GetCurrentPage(), 1);
    EXPECT_TRUE(sheet.pages[1]->IsWindowVisible());

    EXPECT_TRUE(sheet.ShowPageNumber(2));
    EXPECT_EQ(sheet.GetCurrentPage(), 2);
    EXPECT_TRUE(sheet.pages[2]->IsWindowVisible());
    EXPECT_FALSE(sheet.pages[1]->IsWindowVisible());
    EXPECT_EQ(sheet.pages[2]->GetDlgItemText(200), "Third");

    EXPECT_TRUE(sheet.ShowPageNumber(0));
    EXPECT_EQ(sheet.GetCurrentPage(), 0);
    for (int odd : {-1, 3, 1000}) {
        EXPECT_FALSE(sheet.ShowPageNumber(odd)) << odd;
        EXPECT_EQ(sheet.GetCurrentPage(), 0);
    }
    sheet.pages[0]->keep = true;
    EXPECT_FALSE(sheet.ShowPageNumber(2));
    EXPECT_EQ(sheet.GetCurrentPage(), 0);

    sheet.SetWizardTitle("Cartridge wizard - Printer");
    EXPECT_EQ(sheet.GetWindowText(), "Cartridge wizard - Printer");
    sheet.SetWizardTitle(nullptr);
    EXPECT_EQ(sheet.GetWindowText(), "");
    EXPECT_FALSE(sheet.GetExStyle() & WS_EX_CONTEXTHELP);
}

TEST(VersionDialog, ShowsBothModulesAndClosesWithOk) {
    CString shown;
    CDialogActivationHook hook([&](HWND dialog) {
        shown = CWindow(dialog).GetDlgItemText(VersionDlg::IDC_VERSION_TEXT);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    VersionDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_NE(shown.Find("vqtrqor.dll"), -1);
    EXPECT_NE(shown.Find("vqtrutil.dll"), -1);
    EXPECT_EQ(shown, VersionDlg::BuildText());
    EXPECT_EQ(VersionDlg::GetModuleVersion("no-such-module.dll"), "");
    EXPECT_EQ(VersionDlg::GetModuleVersion(nullptr), "");
}

class JswOptions : public testing::Test {
protected:
    void TearDown() override { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, PrinterKey().c_str()); }
    std::string PrinterKey() const {
        return std::string("SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\") + printer;
    }
    DWORD Stored(const char* name) const {
        CRegistry registry;
        registry.SetFriendlyName(printer.c_str());
        if (!registry.Open("JSW", KEY_READ))
            return 0xDEAD;
        DWORD value = 0xDEAD;
        try {
            registry.Read(name, value);
        } catch (CRegistryException* error) {
            error->Delete();
        }
        return value;
    }
    // Runs the dialog: ticks or unticks the boxes as asked and presses the button.
    INT_PTR Run(JSWOptionsDlg& dialog, int show, int minimized, UINT button,
                std::vector<UINT>* seen = nullptr) {
        CDialogActivationHook hook([=](HWND window) {
            CWindow box(window);
            if (seen) {
                seen->push_back(box.IsDlgButtonChecked(JSWOptionsDlg::IDC_JSW_SHOW));
                seen->push_back(box.IsDlgButtonChecked(JSWOptionsDlg::IDC_JSW_MINIMIZED));
                seen->push_back(box.GetDlgItem(JSWOptionsDlg::IDC_JSW_SHOW).IsWindowEnabled());
            }
            if (show >= 0)
                box.CheckDlgButton(JSWOptionsDlg::IDC_JSW_SHOW, show);
            if (minimized >= 0)
                box.CheckDlgButton(JSWOptionsDlg::IDC_JSW_MINIMIZED, minimized);
            ::PostMessageA(window, WM_COMMAND, button, 0);
        });
        return dialog.DoModal();
    }

    std::string printer = "Controls test printer " + std::to_string(::GetCurrentProcessId());
};

TEST_F(JswOptions, OkStoresTheChoicesAndTheNextRunShowsThem) {
    JSWOptionsDlg first("C:\\windows\\system32\\", printer.c_str());
    std::vector<UINT> seen;
    EXPECT_EQ(Run(first, BST_UNCHECKED, BST_CHECKED, IDOK, &seen), IDOK);
    EXPECT_EQ(seen, (std::vector<UINT>{BST_CHECKED, BST_UNCHECKED, TRUE})); // the defaults
    EXPECT_EQ(Stored("Show Process Window"), 0u);
    EXPECT_EQ(Stored("Job Progress Minimized"), 1u);
    EXPECT_FALSE(first.GetShowWindow());
    EXPECT_TRUE(first.GetStartMinimized());
    EXPECT_EQ(first.GetResourceFolder(), "C:\\windows\\system32\\");

    JSWOptionsDlg second(nullptr, printer.c_str());
    seen.clear();
    EXPECT_EQ(Run(second, BST_CHECKED, -1, IDCANCEL, &seen), IDCANCEL);
    EXPECT_EQ(seen, (std::vector<UINT>{BST_UNCHECKED, BST_CHECKED, TRUE}));
    EXPECT_EQ(Stored("Show Process Window"), 0u);
}

TEST_F(JswOptions, WithoutPrinterNothingIsStored) {
    JSWOptionsDlg dialog;
    std::vector<UINT> seen;
    EXPECT_EQ(Run(dialog, -1, -1, IDOK, &seen), IDOK);
    EXPECT_EQ(seen, (std::vector<UINT>{BST_CHECKED, BST_UNCHECKED, FALSE}));
    EXPECT_EQ(Stored("Show Process Window"), 0xDEADu);
}
