// The Printer Features page in the open main window: its lists for the model, the help topics its
// "show" buttons open, its links, and the feature topics that open a list.
#include "PagesFixture.h"
#include "pages/PrinterFeaturesPage.h"

#include <vector>

namespace {
constexpr UINT kLists[] = {IDC_FEATURES_LIST1, IDC_FEATURES_LIST2, IDC_FEATURES_LIST3};
constexpr UINT kShowButtons[] = {IDC_FEATURES_SHOW1, IDC_FEATURES_SHOW2, IDC_FEATURES_SHOW3};
} // namespace

class PrinterFeaturesPageTest : public PagesTest {
protected:
    CQORPrinterFeaturesPage& OpenFeatures() {
        return OpenPage<CQORPrinterFeaturesPage>(101, kPrinterFeaturesPage);
    }
    static HWND List(HWND page, int list) {
        return ::GetDlgItem(page, static_cast<int>(kLists[list - 1]));
    }
    static std::vector<std::string> Items(HWND page, int list) {
        std::vector<std::string> items;
        const LRESULT count = ::SendMessageA(List(page, list), CB_GETCOUNT, 0, 0);
        for (LRESULT index = 0; index < count; ++index) {
            char text[256] = {};
            ::SendMessageA(List(page, list), CB_GETLBTEXT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    // Chooses a subject (-1: none) and presses its list's "show" button: the help topics opened.
    std::vector<unsigned> ShowSubject(HWND page, int list, int index) {
        ::SendMessageA(List(page, list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        std::vector<unsigned> topics;
        for (const UiCall& call : PressAndRecord(page, kShowButtons[list - 1]))
            if (call.kind == VQTR_UI_HELP && call.command == HH_HELP_CONTEXT &&
                call.text.find("vqtrqor.chm") != std::string::npos)
                topics.push_back(call.number);
        return topics;
    }
};

TEST_F(PrinterFeaturesPageTest, ListOneOffersThePanelMenuAndTheGuideOnlyWhereTheModelHasThem) {
    struct Case {
        const char* name;
        Options options;
        std::vector<UINT> texts;
        std::vector<unsigned> topics;
    };
    const Case cases[] = {
        {"printer with the guide",
         {},
         {IDS_FEATURE_PRINTABLE_GUIDE, IDS_FEATURE_PRINT_BASICS, IDS_FEATURE_PRINT_SETTINGS,
          IDS_FEATURE_PRINT_QUALITY, IDS_FEATURE_PRINT_SHARING},
         {155, 301, 302, 303, 304}},
        {"printer without the guide",
         {{"IDO_FIND_PRINTABLE_USER_GUIDE", "0"}},
         {IDS_FEATURE_PRINT_BASICS, IDS_FEATURE_PRINT_SETTINGS, IDS_FEATURE_PRINT_QUALITY,
          IDS_FEATURE_PRINT_SHARING},
         {301, 302, 303, 304}},
        {"all-in-one with both",
         {{"IDO_AIO_FAMILY", "1"}, {"IDO_PANEL_MENU", "1"}},
         {IDS_FEATURE_PRINTABLE_GUIDE, IDS_FEATURE_AIO_COPY, IDS_FEATURE_AIO_PANEL_MENU,
          IDS_FEATURE_AIO_SCAN, IDS_FEATURE_AIO_FAX, IDS_FEATURE_AIO_MEMORY_CARDS,
          IDS_FEATURE_AIO_CARE},
         {155, 801, 802, 803, 804, 805, 806}},
        {"all-in-one without the panel menu",
         {{"IDO_AIO_FAMILY", "1"}},
         {IDS_FEATURE_PRINTABLE_GUIDE, IDS_FEATURE_AIO_COPY, IDS_FEATURE_AIO_SCAN,
          IDS_FEATURE_AIO_FAX, IDS_FEATURE_AIO_MEMORY_CARDS, IDS_FEATURE_AIO_CARE},
         {155, 801, 803, 804, 805, 806}},
        {"all-in-one with neither",
         {{"IDO_AIO_FAMILY", "1"}, {"IDO_FIND_PRINTABLE_USER_GUIDE", "0"}},
         {IDS_FEATURE_AIO_COPY, IDS_FEATURE_AIO_SCAN, IDS_FEATURE_AIO_FAX,
          IDS_FEATURE_AIO_MEMORY_CARDS, IDS_FEATURE_AIO_CARE},
         {801, 803, 804, 805, 806}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelOptions model(c.options);
        HWND page = OpenFeatures();
        std::vector<std::string> expected;
        for (UINT text : c.texts)
            expected.push_back(String(text));
        EXPECT_EQ(Items(page, 1), expected);
        // The list starts on its first subject.
        EXPECT_EQ(::SendMessageA(List(page, 1), CB_GETCURSEL, 0, 0), 0);
        for (size_t index = 0; index < c.topics.size(); ++index)
            EXPECT_EQ(ShowSubject(page, 1, static_cast<int>(index)),
                      std::vector<unsigned>{c.topics[index]});
        EntryTerminateNow();
    }
}

TEST_F(PrinterFeaturesPageTest, ListsTwoAndThreeOpenTheirTopicsAndNoChoiceOpensNothing) {
    struct Case {
        const char* name;
        Options options;
        int list;
        std::vector<unsigned> topics;
    };
    const Case cases[] = {
        {"2, printer", {}, 2, {305, 306, 307, 308, 309}},
        {"2, all-in-one", {{"IDO_AIO_FAMILY", "1"}}, 2, {807, 808, 809, 810}},
        {"3, printer", {}, 3, {811, 812, 813, 814, 815, 816, 817}},
        {"3, all-in-one", {{"IDO_AIO_FAMILY", "1"}}, 3, {811, 812, 813, 814, 815, 816, 817}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelOptions model(c.options);
        HWND page = OpenFeatures();
        EXPECT_EQ(Items(page, c.list).size(), c.topics.size());
        for (size_t index = 0; index < c.topics.size(); ++index)
            EXPECT_EQ(ShowSubject(page, c.list, static_cast<int>(index)),
                      std::vector<unsigned>{c.topics[index]});
        EXPECT_TRUE(ShowSubject(page, c.list, -1).empty());
        EntryTerminateNow();
    }
}

TEST_F(PrinterFeaturesPageTest, TheHeadingsSayWhatKindOfProductItIs) {
    {
        ModelOptions printer;
        HWND page = OpenFeatures();
        EXPECT_EQ(Text(page, IDC_FEATURES_HEADING1), String(IDS_FEATURES_HEADING1));
        EXPECT_EQ(Text(page, IDC_FEATURES_HEADING2), String(IDS_FEATURES_HEADING2));
        EXPECT_EQ(Text(page, IDC_FEATURES_HEADING3), String(IDS_FEATURES_HEADING3));
        EXPECT_EQ(Text(page, IDC_TAB_PAGE_TITLE), String(IDS_FEATURES_TITLE));
        EntryTerminateNow();
    }
    ModelOptions allInOne(Options{{"IDO_AIO_FAMILY", "1"}});
    HWND page = OpenFeatures();
    EXPECT_EQ(Text(page, IDC_FEATURES_HEADING1), String(IDS_FEATURES_HEADING1_AIO));
    EXPECT_EQ(Text(page, IDC_FEATURES_HEADING2), String(IDS_FEATURES_HEADING2_AIO));
    EXPECT_EQ(Text(page, IDC_FEATURES_HEADING3), String(IDS_FEATURES_HEADING3));
}

TEST_F(PrinterFeaturesPageTest, TheManualOpensTheGuideAndTheRewardsLinkItsWebSite) {
    ModelOptions model;
    HWND page = OpenFeatures();
    const std::vector<UiCall> guide = PressAndRecord(page, IDC_FEATURES_MANUAL_LINK);
    ASSERT_EQ(guide.size(), 1u);
    EXPECT_EQ(guide[0].kind, VQTR_UI_HELP);
    EXPECT_NE(guide[0].text.find("spool\\drivers\\x64\\3\\vqtrma.chm"), std::string::npos);
    EXPECT_EQ(guide[0].number, 0u);
    EXPECT_NE(OpenedBy(page, IDC_PAGE_WEB_LINK).find("/rewards.html"), std::string::npos);
}

TEST_F(PrinterFeaturesPageTest, OnlyTheRewardsOverrideOfOneHidesTheRewardsLink) {
    const struct {
        const char* value;
        bool shown;
    } cases[] = {{"1", false}, {"0", true}, {"", true}, {"yes", true}, {"11", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        ModelOptions model(Options{{"IDO_REWARD_URL_OVERRIDE", c.value}});
        HWND page = OpenFeatures();
        EXPECT_EQ(Visible(page, IDC_PAGE_WEB_LINK), c.shown);
        EXPECT_EQ(Visible(page, IDC_PAGE_WEB_CAPTION), c.shown);
        EntryTerminateNow();
    }
}

TEST_F(PrinterFeaturesPageTest, TheClosingButtonsAreHomesAndOrderOpensTheSuppliesDialog) {
    {
        ModelOptions model;
        HWND page = OpenFeatures();
        EXPECT_TRUE(Visible(page, IDC_HOME_CLOSE));
        EXPECT_FALSE(Visible(page, IDC_PAGE_OK));
        const std::vector<UiCall> help = PressAndRecord(page, IDC_PAGE_HELP_OR_ORDER);
        ASSERT_EQ(help.size(), 1u);
        EXPECT_EQ(help[0].number, 201u);
        EntryTerminateNow();
    }
    ModelOptions ordering(Options{{"IDO_ORDER_INKCART_BUTTONS_OPTION", "1"}});
    HWND page = OpenFeatures();
    EXPECT_FALSE(Visible(page, IDC_HOME_CLOSE));
    EXPECT_TRUE(Visible(page, IDC_PAGE_OK));
    EXPECT_EQ(Text(page, IDC_PAGE_HELP_OR_ORDER), String(IDS_HOME_ORDER));
    SuppliesDialogUser user([](HWND dialog) { Press(dialog, IDC_WIZARD_CANCEL); });
    Press(page, IDC_PAGE_HELP_OR_ORDER);
    EXPECT_EQ(user.Shown(), 1);
    ASSERT_NE(Main(), nullptr);
    EXPECT_EQ(Main()->m_Slots.Get(kSuppliesDialog), nullptr);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 0);
}

TEST_F(PrinterFeaturesPageTest, AFeatureTopicFocusesAndOpensItsListWhenTheTimerFires) {
    ModelOptions model;
    for (int list = 1; list <= 3; ++list) {
        SCOPED_TRACE(list);
        ASSERT_EQ(Open(105 + list), 1);
        EXPECT_EQ(ActivePage(), kPrinterFeaturesPage);
        HWND page = *Main()->GetPageSheet()->GetQorPage(kPrinterFeaturesPage);
        ::SendMessageA(*Main(), WM_TIMER, 1, 0);
        EXPECT_EQ(::GetFocus(), List(page, list));
        EXPECT_TRUE(::SendMessageA(List(page, list), CB_GETDROPPEDSTATE, 0, 0));
        ::SendMessageA(List(page, list), CB_SHOWDROPDOWN, FALSE, 0);
        EntryTerminateNow();
    }
}

TEST_F(PrinterFeaturesPageTest, TabReachesEveryListButtonAndLinkInReadingOrder) {
    ModelOptions model;
    HWND page = OpenFeatures();
    const std::vector<int> expected = {
        IDC_FEATURES_LIST1, IDC_FEATURES_SHOW1,    IDC_FEATURES_LIST2,       IDC_FEATURES_SHOW2,
        IDC_FEATURES_LIST3, IDC_FEATURES_SHOW3,    IDC_FEATURES_MANUAL_LINK, IDC_PAGE_WEB_LINK,
        IDC_HOME_CLOSE,     IDC_PAGE_HELP_OR_ORDER};
    EXPECT_EQ(TabStops(page), expected);
}
