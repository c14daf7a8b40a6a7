#include "Dialog.h"
#include "DialogTemplate.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using testing_support::CDialogCreationHook;

namespace {
constexpr WORD kEditId = 100;
constexpr WORD kButtonId = 101;
constexpr UINT kEndWith42 = 150;

CDialogTemplate MakeDialogTemplate() {
    CDialogTemplate dialog(WS_POPUP | WS_CAPTION | DS_MODALFRAME, RECT{0, 0, 160, 80}, "Test");
    dialog.AddControl("EDIT", "", kEditId, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER,
                      RECT{7, 7, 100, 21});
    dialog.AddControl("BUTTON", "Press", kButtonId, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                      RECT{7, 30, 57, 44});
    dialog.AddControl("BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      RECT{103, 59, 153, 73});
    return dialog;
}

class CBaseDialog : public CDialog {
public:
    std::vector<std::string> log;

protected:
    void OnBaseOnly() { log.push_back("base 201"); }
    void OnShadowed() { log.push_back("base 200"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseDialog, CDialog)
ON_COMMAND(200, OnShadowed)
ON_COMMAND(201, OnBaseOnly)
END_MESSAGE_MAP()

class CRecordingDialog : public CBaseDialog {
public:
    bool passOnText = false;

protected:
    void OnRange(UINT id) { log.push_back("range " + std::to_string(id)); }
    void OnDerived() { log.push_back("derived 200"); }
    void OnEditChange() { log.push_back("edit change"); }
    void OnButton() { log.push_back("button"); }
    void OnEnd42() { EndDialog(42); }
    LRESULT OnSetText(WPARAM, LPARAM) {
        log.push_back("settext");
        if (passOnText)
            Default();
        return TRUE;
    }
    void PostNcDestroy() override { log.push_back("post nc destroy"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingDialog, CBaseDialog)
ON_COMMAND_RANGE(300, 302, OnRange)
ON_COMMAND(200, OnDerived)
ON_EN_CHANGE(kEditId, OnEditChange)
ON_BN_CLICKED(kButtonId, OnButton)
ON_COMMAND(kEndWith42, OnEnd42)
ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

class MessageMap : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get())); }
    std::vector<std::string> Command(UINT id, UINT code = 0) {
        dialog.log.clear();
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, code));
        return dialog.log;
    }

    CDialogTemplate dialogTemplate = MakeDialogTemplate();
    CRecordingDialog dialog;
};

TEST_F(MessageMap, BindsCommandsByIdRangeAndClass) {
    struct Case {
        UINT id;
        UINT code;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {300, BN_CLICKED, {"range 300"}},
        {302, BN_CLICKED, {"range 302"}},
        {303, BN_CLICKED, {}},
        {299, 1, {}}, // a range row binds commands of menus (0) and accelerators (1) too
        {301, 1, {"range 301"}},
        {200, BN_CLICKED, {"derived 200"}}, // the derived class's row comes first
        {201, BN_CLICKED, {"base 201"}},
        {kEditId, EN_CHANGE, {"edit change"}},
        {kEditId, EN_SETFOCUS, {}}, // a control row binds its notification code only
    };
    for (const Case& c : cases)
        EXPECT_EQ(Command(c.id, c.code), c.expected) << "command " << c.id << " code " << c.code;
}

TEST_F(MessageMap, ControlNotificationsReachTheDialog) {
    dialog.log.clear();
    ::SendMessageA(::GetDlgItem(dialog, kButtonId), BM_CLICK, 0, 0);
    ::SetDlgItemTextA(dialog, kEditId, "typed");
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"button", "edit change"}));
}

TEST_F(MessageMap, DefaultPassesTheMessageOnOnlyWhenAsked) {
    for (bool passOn : {false, true}) {
        dialog.passOnText = true;
        dialog.SetWindowText("before");
        dialog.log.clear();
        dialog.passOnText = passOn;
        // The handler sees the message either way; the default handling sets the text.
        ::SendMessageA(dialog, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after"));
        EXPECT_EQ(dialog.log, std::vector<std::string>{"settext"});
        char text[32] = "";
        ::GetWindowTextA(dialog, text, sizeof(text));
        EXPECT_STREQ(text, passOn ? "after" : "before") << "pass on " << passOn;
    }
}

TEST_F(MessageMap, ModelessWindowEndsWithDestroyWindow) {
    HWND hwnd = dialog;
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &dialog);
    dialog.EndDialog(IDOK); // modeless: hidden only
    EXPECT_TRUE(::IsWindow(hwnd));
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    dialog.log.clear();
    dialog.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"post nc destroy"});
    // A window handle may be given to a new window later: a gone window names no object.
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(MessageMapLifetime, ObjectDestroyedWithLiveWindowTakesTheWindow) {
    CDialogTemplate dialogTemplate = MakeDialogTemplate();
    HWND hwnd = nullptr;
    {
        CRecordingDialog dialog;
        ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
        hwnd = dialog;
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

// A window that closes itself and frees its object from its own handler, as a window closing
// the whole module does.
class CSelfDeletingDialog : public CDialog {
public:
    explicit CSelfDeletingDialog(bool* deleted) : m_deleted(deleted) {}
    ~CSelfDeletingDialog() override { *m_deleted = true; }

protected:
    void OnClose() { delete this; }
    LRESULT OnDeleteThenPassOn(WPARAM, LPARAM) {
        delete this;
        return Default();
    }
    DECLARE_MESSAGE_MAP()

private:
    bool* m_deleted;
};

BEGIN_MESSAGE_MAP(CSelfDeletingDialog, CDialog)
ON_COMMAND(IDCLOSE, OnClose)
ON_MESSAGE(WM_APP, OnDeleteThenPassOn)
END_MESSAGE_MAP()

TEST(MessageMapLifetime, HandlerMayDeleteItsOwnObject) {
    CDialogTemplate dialogTemplate = MakeDialogTemplate();
    for (UINT message : {UINT{WM_COMMAND}, UINT{WM_APP}}) {
        bool deleted = false;
        auto* dialog = new CSelfDeletingDialog(&deleted);
        ASSERT_TRUE(dialog->CreateIndirect(dialogTemplate.Get()));
        HWND hwnd = *dialog;
        ::SendMessageA(hwnd, message, message == WM_COMMAND ? IDCLOSE : 0, 0);
        EXPECT_TRUE(deleted);
        EXPECT_FALSE(::IsWindow(hwnd));
    }
}

// A control that handles its own notifications, whichever dialog holds it.
class CReflectingButton : public CWnd {
public:
    bool takeClicks = true;
    int clicks = 0;
    int paints = 0;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT&) override {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED || !takeClicks)
            return false;
        ++clicks;
        return true;
    }
    LRESULT OnSetTextPassedOn(WPARAM, LPARAM) {
        ++paints;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
ON_MESSAGE(WM_SETTEXT, OnSetTextPassedOn)
END_MESSAGE_MAP()

TEST_F(MessageMap, NotificationsGoToTheSubclassedControlFirst) {
    CReflectingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, dialog));
    for (bool take : {true, false}) {
        button.takeClicks = take;
        button.clicks = 0;
        dialog.log.clear();
        ::SendMessageA(button, BM_CLICK, 0, 0);
        EXPECT_EQ(button.clicks, take ? 1 : 0);
        EXPECT_EQ(dialog.log,
                  take ? std::vector<std::string>{} : std::vector<std::string>{"button"});
    }
    // Default() in a subclassed control runs the control's own procedure and returns its result.
    EXPECT_EQ(::SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Renamed")), TRUE);
    EXPECT_EQ(button.paints, 1);
    EXPECT_EQ(CWindow(button).GetWindowText(), "Renamed");
    HWND hwnd = button;
    EXPECT_EQ(button.UnsubclassWindow(), hwnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(MessageMap, ControlWhoseObjectGoesFirstIsUnboundAndKeepsWorking) {
    HWND control = ::GetDlgItem(dialog, kButtonId);
    {
        CReflectingButton button;
        ASSERT_TRUE(button.SubclassDlgItem(kButtonId, dialog));
        EXPECT_EQ(CWnd::FromHandlePermanent(control), &button);
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(control), nullptr);
    EXPECT_EQ(::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Still here")), TRUE);
    EXPECT_EQ(CWindow(control).GetWindowText(), "Still here");
    // And it can be bound again.
    CReflectingButton again;
    EXPECT_TRUE(again.SubclassDlgItem(kButtonId, dialog));
}

TEST(ModalDialog, EndsWithTheResultOfWhatIsPosted) {
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        INT_PTR expected;
    };
    const Case cases[] = {
        {"OK button", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK},
        {"Cancel", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), IDCANCEL},
        {"close box", WM_CLOSE, 0, IDCANCEL},
        {"own command", WM_COMMAND, kEndWith42, 42},
        {"Enter presses the default button", WM_KEYDOWN, VK_RETURN, IDOK},
        {"Escape cancels", WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
    };
    CDialogTemplate dialogTemplate = MakeDialogTemplate();
    for (const Case& c : cases) {
        CRecordingDialog dialog;
        dialog.SetTemplate(dialogTemplate.Get());
        HWND created = nullptr;
        CDialogCreationHook hook([&](HWND hwnd) {
            created = hwnd;
            ::PostMessageA(hwnd, c.message, c.wParam, 0);
        });
        EXPECT_EQ(dialog.DoModal(), c.expected) << c.name;
        EXPECT_FALSE(::IsWindow(created)) << c.name;
        EXPECT_FALSE(dialog.IsModal());
    }
}

TEST(ModalDialog, MissingTemplateFailsWithoutAWindow) {
    CDialog dialog(0xFEED);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(0xFEED));
}

} // namespace
