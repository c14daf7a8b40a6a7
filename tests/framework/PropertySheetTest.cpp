#include "Controls.h"
#include "PropertySheet.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using testing_support::CDialogCreationHook;

namespace {
constexpr WORD kFirstEdit = 200;
constexpr WORD kSecondEdit = 201;
constexpr UINT kPageIds[] = {1001, 1002, 1003};

// Page templates as a resource would have them: pop-up dialogs with a caption, which the sheet
// turns into child windows. Widths differ so that the sheet must find the largest.
CDialogTemplate MakePageTemplate(int index) {
    CDialogTemplate page(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                         RECT{0, 0, 150 + 20 * index, 90}, "Page");
    page.AddControl("EDIT", "", kFirstEdit, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER,
                    RECT{7, 7, 100, 21});
    page.AddControl("EDIT", "", kSecondEdit, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER,
                    RECT{7, 30, 100, 44});
    return page;
}

using Log = std::vector<std::string>;

// A page that records its life cycle and answers as the test tells it.
class CRecordingPage : public CPropertyPage {
public:
    CRecordingPage(const DLGTEMPLATE* dialogTemplate, int index, Log& log)
        : CPropertyPage(dialogTemplate, kPageIds[index]), m_name(std::to_string(index)),
          m_log(log) {}

    BOOL setActive = TRUE;
    BOOL killActive = TRUE;
    LRESULT next = 0;
    LRESULT back = 0;
    BOOL finish = TRUE;
    BOOL queryCancel = TRUE;
    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;

    BOOL OnInitDialog() override {
        Record("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        Record("set");
        if (setActive)
            GetSheet()->SetWizardButtons(buttons);
        return setActive;
    }
    BOOL OnKillActive() override { return Record("kill"), killActive; }
    LRESULT OnWizardNext() override { return Record("next"), next; }
    LRESULT OnWizardBack() override { return Record("back"), back; }
    BOOL OnWizardFinish() override { return Record("finish"), finish; }
    BOOL OnQueryCancel() override { return Record("cancel?"), queryCancel; }

private:
    void Record(const char* what) { m_log.push_back(std::string(what) + " " + m_name); }

    std::string m_name;
    Log& m_log;
};

// A wizard of three pages, owned as a derived sheet owns its pages.
class CTestWizard : public CPropertySheet {
public:
    explicit CTestWizard(bool wizard = true) : CPropertySheet("Wizard") {
        for (int i = 0; i < 3; ++i) {
            templates.push_back(MakePageTemplate(i));
            pages.push_back(std::make_unique<CRecordingPage>(templates[i].Get(), i, log));
            AddPage(pages.back().get());
        }
        pages[0]->buttons = PSWIZB_NEXT;
        pages[2]->buttons = PSWIZB_BACK | PSWIZB_FINISH;
        if (wizard)
            SetWizardMode();
    }
    ~CTestWizard() override { DestroyWindow(); }

    CRecordingPage& Page(int index) { return *pages[static_cast<size_t>(index)]; }
    Log TakeLog() { return std::exchange(log, Log{}); }
    bool Shows(UINT id) const {
        HWND button = ::GetDlgItem(m_hWnd, static_cast<int>(id));
        return button && (::GetWindowLongPtrA(button, GWL_STYLE) & WS_VISIBLE);
    }

    Log log;
    std::vector<CDialogTemplate> templates;
    std::vector<std::unique_ptr<CRecordingPage>> pages;
};

class WizardSheet : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    }
    CTestWizard sheet;
};

TEST_F(WizardSheet, CreatesPagesOnlyWhenFirstShown) {
    EXPECT_EQ(sheet.TakeLog(), (Log{"init 0", "set 0"}));
    EXPECT_EQ(sheet.Page(1).GetSafeHwnd(), nullptr);
    EXPECT_TRUE(sheet.PressButton(PSBTN_NEXT));
    EXPECT_EQ(sheet.TakeLog(), (Log{"next 0", "kill 0", "init 1", "set 1"}));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_TRUE(sheet.PressButton(PSBTN_BACK));
    EXPECT_EQ(sheet.TakeLog(), (Log{"back 1", "kill 1", "set 0"})); // made once only
    EXPECT_EQ(sheet.Page(2).GetSafeHwnd(), nullptr);
}

TEST_F(WizardSheet, HostsPagesAsChildWindowsOneAtATime) {
    sheet.PressButton(PSBTN_NEXT);
    CWindow first = sheet.Page(0);
    CWindow second = sheet.Page(1);
    EXPECT_EQ(second.GetParent(), sheet.GetSafeHwnd());
    EXPECT_TRUE(second.GetStyle() & WS_CHILD);
    EXPECT_FALSE(second.GetStyle() & (WS_CAPTION | WS_POPUP));
    EXPECT_TRUE(second.GetExStyle() & WS_EX_CONTROLPARENT);
    EXPECT_TRUE(second.IsWindowVisible());
    EXPECT_FALSE(first.IsWindowVisible());
    EXPECT_EQ(sheet.GetActivePage(), &sheet.Page(1));
}

TEST_F(WizardSheet, SizesItselfForTheLargestPageAndTheButtonRow) {
    RECT largest{0, 0, 190, 90}; // the third page, in dialog units
    sheet.MapDialogRect(&largest);
    RECT page = sheet.GetPageRect();
    EXPECT_EQ(page.right - page.left, largest.right);
    EXPECT_EQ(page.bottom - page.top, largest.bottom);
    RECT client = sheet.GetClientRect();
    EXPECT_EQ(client.right, largest.right);
    RECT next = CWindow(sheet.GetDlgItem(ID_WIZNEXT)).GetWindowRect();
    sheet.ScreenToClient(&next);
    EXPECT_GE(next.top, page.bottom);
    EXPECT_LE(next.bottom, client.bottom);
}

TEST_F(WizardSheet, NextAndBackFollowThePagesAnswers) {
    struct Case {
        const char* name;
        int from;
        bool forward;
        LRESULT answer;
        int expected;
    };
    const Case cases[] = {
        {"next page", 0, true, 0, 1},
        {"stay", 0, true, -1, 0},
        {"jump by template id", 0, true, kPageIds[2], 2},
        {"unknown template id stays", 0, true, 4242, 0},
        {"previous page", 2, false, 0, 1},
        {"back by template id", 2, false, kPageIds[0], 0},
        {"back and stay", 2, false, -1, 2},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(sheet.SetActivePage(c.from)) << c.name;
        CRecordingPage& page = sheet.Page(c.from);
        (c.forward ? page.next : page.back) = c.answer;
        sheet.PressButton(c.forward ? PSBTN_NEXT : PSBTN_BACK);
        EXPECT_EQ(sheet.GetActiveIndex(), c.expected) << c.name;
        page.next = page.back = 0;
    }
}

TEST_F(WizardSheet, PagesMayRefuseToComeOrToGo) {
    sheet.Page(1).setActive = FALSE;
    sheet.TakeLog();
    sheet.PressButton(PSBTN_NEXT);
    EXPECT_EQ(sheet.GetActiveIndex(), 2); // the refusing page is passed over
    EXPECT_EQ(sheet.TakeLog(), (Log{"next 0", "kill 0", "init 1", "set 1", "init 2", "set 2"}));
    sheet.Page(2).killActive = FALSE;
    sheet.PressButton(PSBTN_BACK);
    EXPECT_EQ(sheet.GetActiveIndex(), 2);
    EXPECT_FALSE(sheet.SetActivePage(0));
}

TEST_F(WizardSheet, FinishTakesThePlaceOfNext) {
    EXPECT_TRUE(sheet.Shows(ID_WIZNEXT));
    EXPECT_FALSE(sheet.Shows(ID_WIZFINISH));
    EXPECT_FALSE(::IsWindowEnabled(sheet.GetDlgItem(ID_WIZBACK)));
    EXPECT_FALSE(sheet.PressButton(PSBTN_BACK)); // disabled on the first page
    EXPECT_FALSE(sheet.PressButton(PSBTN_FINISH));
    sheet.SetActivePage(2);
    EXPECT_FALSE(sheet.Shows(ID_WIZNEXT));
    EXPECT_TRUE(sheet.Shows(ID_WIZFINISH));
    EXPECT_FALSE(sheet.PressButton(PSBTN_NEXT));
    sheet.SetWizardButtons(PSWIZB_BACK | PSWIZB_DISABLEDFINISH);
    EXPECT_TRUE(sheet.Shows(ID_WIZFINISH));
    EXPECT_FALSE(sheet.PressButton(PSBTN_FINISH));
    sheet.SetFinishText("Done");
    EXPECT_EQ(CWindow(sheet.GetDlgItem(ID_WIZFINISH)).GetWindowText(), "Done");
    EXPECT_FALSE(sheet.Shows(ID_WIZBACK));
}

TEST_F(WizardSheet, FinishAndCancelEndTheSheetWhenThePageAgrees) {
    struct Case {
        const char* name;
        int button;
        INT_PTR result;
    };
    const Case cases[] = {{"finish", PSBTN_FINISH, ID_WIZFINISH},
                          {"cancel", PSBTN_CANCEL, IDCANCEL}};
    for (const Case& c : cases) {
        CTestWizard wizard;
        ASSERT_TRUE(wizard.Create());
        wizard.SetActivePage(2);
        CRecordingPage& page = wizard.Page(2);
        page.finish = page.queryCancel = FALSE;
        EXPECT_TRUE(wizard.PressButton(c.button));
        EXPECT_TRUE(wizard.IsWindow()) << c.name;
        page.finish = page.queryCancel = TRUE;
        HWND hwnd = wizard;
        EXPECT_TRUE(wizard.PressButton(c.button));
        EXPECT_FALSE(::IsWindow(hwnd)) << c.name; // a modeless sheet is destroyed
        EXPECT_EQ(wizard.GetResult(), c.result) << c.name;
        EXPECT_EQ(page.GetSafeHwnd(), nullptr);
    }
}

TEST(WizardInput, ButtonsKeysAndCloseBoxAct) {
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        int expectedPage; // -1: the sheet is gone
    };
    const Case cases[] = {
        {"Next clicked", BM_CLICK, ID_WIZNEXT, 1},
        {"Enter presses Next", WM_KEYDOWN, VK_RETURN, 1},
        {"Escape cancels", WM_KEYDOWN, VK_ESCAPE, -1},
        {"close box cancels", WM_CLOSE, 0, -1},
        {"Cancel clicked", BM_CLICK, IDCANCEL, -1},
    };
    for (const Case& c : cases) {
        CTestWizard wizard;
        ASSERT_TRUE(wizard.Create());
        HWND target = c.message == BM_CLICK
                          ? wizard.GetDlgItem(static_cast<int>(c.wParam)).GetSafeHwnd()
                      : c.message == WM_KEYDOWN ? ::GetFocus()
                                                : wizard.GetSafeHwnd();
        ASSERT_NE(target, nullptr) << c.name;
        ::PostMessageA(target, c.message, c.message == BM_CLICK ? 0 : c.wParam, 0);
        DispatchWaitingMessages();
        EXPECT_EQ(wizard.IsWindow() ? wizard.GetActiveIndex() : -1, c.expectedPage) << c.name;
    }
}

TEST(WizardInput, TabMovesThroughThePageThenToTheButtons) {
    CTestWizard wizard;
    ASSERT_TRUE(wizard.Create());
    CWindow page = wizard.Page(0);
    ASSERT_EQ(::GetFocus(), page.GetDlgItem(kFirstEdit).GetSafeHwnd());
    const std::vector<HWND> expected = {page.GetDlgItem(kSecondEdit),
                                        wizard.GetDlgItem(ID_WIZNEXT), // Back is disabled
                                        wizard.GetDlgItem(IDCANCEL), page.GetDlgItem(kFirstEdit)};
    for (HWND next : expected) {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        DispatchWaitingMessages();
        EXPECT_EQ(::GetFocus(), next) << "control " << ::GetDlgCtrlID(next);
    }
}

TEST(ModalWizard, RunsToFinishOnPostedSteps) {
    CTestWizard wizard;
    CDialogCreationHook hook([](HWND hwnd) {
        for (UINT id : {ID_WIZNEXT, ID_WIZNEXT, ID_WIZFINISH})
            ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    });
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(wizard.TakeLog(), (Log{"init 0", "set 0", "next 0", "kill 0", "init 1", "set 1",
                                     "next 1", "kill 1", "init 2", "set 2", "finish 2"}));
    EXPECT_FALSE(wizard.IsWindow());
    EXPECT_EQ(wizard.Page(0).GetSafeHwnd(), nullptr);
}

TEST(ModalWizard, CancelAndCloseBoxEndWithCancel) {
    for (UINT message : {UINT{WM_CLOSE}, UINT{WM_COMMAND}}) {
        CTestWizard wizard;
        CDialogCreationHook hook([message](HWND hwnd) {
            ::PostMessageA(hwnd, message, message == WM_COMMAND ? IDCANCEL : 0, 0);
        });
        EXPECT_EQ(wizard.DoModal(), IDCANCEL);
    }
}

TEST(ChildSheet, HostsPagesInsideAParentWindow) {
    CDialogTemplate hostTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, RECT{0, 0, 300, 200}, "Host");
    CDialog host;
    ASSERT_TRUE(host.CreateIndirect(hostTemplate.Get()));
    CTestWizard sheet(false);
    RECT place{10, 20, 310, 220};
    ASSERT_TRUE(sheet.Create(&host, WS_CHILD | WS_VISIBLE, 0, &place));
    EXPECT_EQ(sheet.GetParent(), host.GetSafeHwnd());
    RECT where = sheet.GetWindowRect();
    host.ScreenToClient(&where);
    EXPECT_EQ(where.left, 10);
    EXPECT_EQ(where.top, 20);
    EXPECT_EQ(sheet.GetDlgItem(ID_WIZNEXT).GetSafeHwnd(), nullptr); // no wizard buttons
    EXPECT_EQ(sheet.Page(0).GetParent(), sheet.GetSafeHwnd());

    // Derived sheets place and switch pages themselves.
    sheet.SetPageRect(RECT{5, 6, 105, 86});
    ASSERT_TRUE(sheet.SetActivePage(1));
    RECT page = CWindow(sheet.Page(1)).GetWindowRect();
    sheet.ScreenToClient(&page);
    EXPECT_EQ(page.left, 5);
    EXPECT_EQ(page.bottom, 86);
    EXPECT_TRUE(sheet.PressButton(PSBTN_NEXT)); // a derived sheet's own Next
    EXPECT_EQ(sheet.GetActiveIndex(), 2);

    // Tab runs from the host through the sheet's page.
    ::SetFocus(sheet.Page(2).GetDlgItem(kFirstEdit));
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    DispatchWaitingMessages();
    EXPECT_EQ(::GetFocus(), sheet.Page(2).GetDlgItem(kSecondEdit).GetSafeHwnd());
}

TEST(SheetErrors, BadPagesAndCallsAreRefusedGracefully) {
    CPropertySheet sheet("Empty");
    EXPECT_FALSE(sheet.SetActivePage(0));
    EXPECT_FALSE(sheet.PressButton(PSBTN_NEXT));
    sheet.AddPage(nullptr);
    EXPECT_EQ(sheet.GetPageCount(), 0);
    CPropertyPage missing(0xBAD);
    sheet.AddPage(&missing);
    sheet.AddPage(&missing);
    EXPECT_EQ(sheet.GetPageCount(), 1);
    SIZE size{};
    EXPECT_FALSE(missing.GetTemplateExtent(size));
    EXPECT_FALSE(sheet.Create(nullptr, WS_CHILD)); // a child sheet needs a parent
    ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP));
    EXPECT_EQ(sheet.GetActivePage(), nullptr); // the page could not be made
    sheet.DestroyWindow();
}

} // namespace
