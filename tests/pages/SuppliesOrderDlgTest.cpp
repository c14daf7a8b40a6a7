// The supplies ordering dialog, opened from the Ink page's order link in the open main window:
// where its links lead, which the model's options hide, and its slot.
#include "PagesFixture.h"
#include "main/Topics.h"
#include "pages/InkCartridgePage.h"

#include <algorithm>
#include <functional>

class SuppliesOrderDlgTest : public PagesTest {
protected:
    // Orders from the Ink page (the main window opens on it first) and acts in the dialog; the
    // action ends it. Whether it showed.
    bool InDialog(const std::function<void(HWND)>& action) {
        if (!Main())
            OpenPage<CQORInkCartridgePage>(103, kInkPage);
        HWND page = *Main()->GetPageSheet()->GetQorPage(kInkPage);
        SuppliesDialogUser user(action);
        Press(page, IDC_INK_ORDER_LINK);
        return user.Shown() == 1;
    }
    static void Close(HWND dialog) { Press(dialog, IDC_WIZARD_CANCEL); }
};

TEST_F(SuppliesOrderDlgTest, ItsLinksOpenTheOrderingAddressesThePartNumbersAndHelp) {
    ModelOptions model;
    std::vector<std::string> opened;
    std::vector<UiCall> help;
    ASSERT_TRUE(InDialog([&](HWND dialog) {
        for (UINT link :
             {IDC_SUPPLIES_ONLINE_LINK, IDC_SUPPLIES_RESELLER_LINK, IDC_SUPPLIES_NUMBERS_BUTTON})
            opened.push_back(OpenedBy(dialog, link));
        help = PressAndRecord(dialog, IDC_WIZARD_HELP);
        Close(dialog);
    }));
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_NE(opened[0].find("/supplies.html"), std::string::npos) << opened[0];
    EXPECT_NE(opened[0].find("cart1=80"), std::string::npos) << opened[0];
    EXPECT_NE(opened[1].find("/resellers.html"), std::string::npos) << opened[1];
    EXPECT_NE(opened[2].find("\\vqtrsply.htm"), std::string::npos) << opened[2];
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].kind, VQTR_UI_HELP);
    EXPECT_NE(help[0].text.find("spool\\drivers\\x64\\3\\vqtrqor.chm"), std::string::npos);
    // Closed, the dialog leaves its slot; the main window stays and the host hears nothing.
    ASSERT_NE(Main(), nullptr);
    EXPECT_EQ(Main()->m_Slots.Get(kSuppliesDialog), nullptr);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 0);
}

TEST_F(SuppliesOrderDlgTest, EachOverrideHidesItsOrderingLinksAndOtherValuesShowThem) {
    struct Case {
        const char* option;
        const char* value;
        std::vector<UINT> hidden;
    };
    const std::vector<UINT> online = {IDC_SUPPLIES_ONLINE_LINK, IDC_SUPPLIES_ONLINE_LABEL};
    const std::vector<UINT> reseller = {IDC_SUPPLIES_RESELLER_LINK, IDC_SUPPLIES_RESELLER_LABEL};
    const std::vector<UINT> numbers = {IDC_SUPPLIES_NUMBERS_BUTTON, IDC_SUPPLIES_NUMBERS_LABEL};
    const Case cases[] = {
        {"IDO_SUPPLIES_URL_OVERRIDE", "1", online},
        {"IDO_SUPPLIES_URL_OVERRIDE", "0", {}},
        {"IDO_SUPPLIES_URL_OVERRIDE", "", {}},
        {"IDO_RESELLER_URL_OVERRIDE", "1", reseller},
        {"IDO_RESELLER_URL_OVERRIDE", "yes", {}},
        {"IDO_CONTACT_SUPPLIES_NUMBERS_BUTTON", "0", numbers},
        {"IDO_CONTACT_SUPPLIES_NUMBERS_BUTTON", "1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + "=" + c.value);
        ModelOptions model(Options{{c.option, c.value}});
        ASSERT_TRUE(InDialog([&](HWND dialog) {
            for (const auto* group : {&online, &reseller, &numbers})
                for (UINT control : *group) {
                    const bool hidden =
                        std::find(c.hidden.begin(), c.hidden.end(), control) != c.hidden.end();
                    EXPECT_EQ(Visible(dialog, control), !hidden) << control;
                }
            Close(dialog);
        }));
        EntryTerminateNow();
    }
}

TEST_F(SuppliesOrderDlgTest, ASecondOrderWhileTheDialogIsUpOpensNothing) {
    ModelOptions model;
    int second = -1;
    int dialogs = 0;
    ASSERT_TRUE(InDialog([&](HWND dialog) {
        dialogs = static_cast<int>(Main()->m_Slots.Get(kSuppliesDialog) != nullptr);
        second = Main()->OrderSupplies();
        Close(dialog);
    }));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(second, 0);
    // Once closed, the slot is free for the next order.
    EXPECT_TRUE(InDialog([](HWND dialog) { Close(dialog); }));
}

TEST_F(SuppliesOrderDlgTest, EscapeClosesItAndAHostThatEndsTheModuleMeanwhileEndsItsLoop) {
    ModelOptions model;
    EXPECT_TRUE(InDialog([](HWND dialog) { Press(dialog, IDCANCEL); }));
    ASSERT_NE(Main(), nullptr);
    EXPECT_EQ(Main()->m_Slots.Get(kSuppliesDialog), nullptr);
    bool closed = false;
    EXPECT_TRUE(InDialog([&closed](HWND dialog) {
        EntryTerminateNow();
        closed = !::IsWindow(dialog);
    }));
    EXPECT_TRUE(closed);
    EXPECT_EQ(Main(), nullptr);
}

TEST_F(SuppliesOrderDlgTest, TheOrderingTopicsShowTheInkPageAndOrderThereInTheOpenWindow) {
    ModelOptions model;
    for (int topic : {203, 205, 208, 211, 213, 215, 217, 220, 303}) {
        SCOPED_TRACE(topic);
        ASSERT_EQ(Open(kTopicAdvanced), 1);
        int page = -1;
        SuppliesDialogUser user([&page](HWND dialog) {
            page = ActivePage();
            Close(dialog);
        });
        EXPECT_EQ(EntryDisplayTopic(topic, &host.status), 1);
        EXPECT_EQ(user.Shown(), 1);
        EXPECT_EQ(page, kInkPage);
        EntryTerminateNow();
    }
}
