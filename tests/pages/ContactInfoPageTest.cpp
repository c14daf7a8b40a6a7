// The Contact Information page in the open main window: the support number for the locale, where
// each link leads and which links the model's options and the locale hide.
#include "PagesFixture.h"
#include "pages/ContactInfoPage.h"

#include <optional>

namespace {
using testing_support::PhoneNumberFilePath;

const char kNumbers[] = "[PhoneNumbers]\n  0x0409=1-800-555-0100\n  0x0407=0800 555 0199\n"
                        "Default=+1 555 0000\n";
} // namespace

class ContactInfoPageTest : public PagesTest {
protected:
    CQORContactInfoPage& OpenContact() {
        return OpenPage<CQORContactInfoPage>(104, kContactInfoPage);
    }
    // The page painted once, as the window shows it: painting applies the hiding rules.
    static HWND Painted(CQORContactInfoPage& page) {
        ::RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return page;
    }
};

TEST_F(ContactInfoPageTest, TheSupportNumberIsTheLocalesOrTheFallBackOrSaidToBeMissing) {
    struct Case {
        const char* name;
        const char* locale;
        const char* contents; // null: no file
        const char* shown;    // null: the not-available text
    };
    const Case cases[] = {
        {"locale", "00000407", kNumbers, "0800 555 0199"},
        {"other locale", "00000409", kNumbers, "1-800-555-0100"},
        {"unknown locale", "00000411", kNumbers, "+1 555 0000"},
        {"no fall-back", "00000411", "[PhoneNumbers]\n  0x0409=1-800-555-0100\n", nullptr},
        {"other section", "00000407", "[Numbers]\nDefault=+1 555 0000\n", nullptr},
        {"malformed", "00000407", "PhoneNumbers\n0x0407 0800\n\0\x01garbage", nullptr},
        {"no file", "00000407", nullptr, nullptr},
    };
    ModelOptions model;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::ScopedEnvironment locale("VQTR_LOCALE", c.locale);
        std::optional<testing_support::TempFile> file;
        if (c.contents)
            file.emplace(PhoneNumberFilePath(), c.contents);
        HWND page = Painted(OpenContact());
        EXPECT_TRUE(Visible(page, IDC_CONTACT_PHONE_LABEL));
        EXPECT_TRUE(Visible(page, IDC_CONTACT_PHONE_TEXT));
        EXPECT_FALSE(Visible(page, IDC_CONTACT_ORDER_BUTTON));
        EXPECT_EQ(Text(page, IDC_CONTACT_PHONE_TEXT),
                  c.shown ? c.shown : String(IDS_CONTACT_PHONE_MISSING));
        if (!c.shown) {
            EXPECT_TRUE(
                log.Contains("CQORContactInfoPage::ShowPhoneNumber() no number: not available"));
        }
        EntryTerminateNow();
    }
}

TEST_F(ContactInfoPageTest, EveryOverrideOfOneHidesItsLinkAndOtherValuesShowIt) {
    struct Case {
        const char* option;
        std::vector<UINT> hidden;
    };
    const Case cases[] = {
        {"IDO_SUPPORT_URL_OVERRIDE", {IDC_CONTACT_SUPPORT_LINK}},
        {"IDO_REGISTRATION_URL_OVERRIDE", {IDC_CONTACT_REGISTRATION_LINK}},
        {"IDO_SOFTWARE_URL_OVERRIDE", {IDC_CONTACT_SOFTWARE_LINK}},
        {"IDO_SPECIALOFFER_URL_OVERRIDE", {IDC_CONTACT_OFFER_LINK}},
        {"IDO_SUPPLIES_URL_OVERRIDE", {IDC_CONTACT_SUPPLIES_LINK}},
        {"IDO_MORECONTACT_URL_OVERRIDE", {IDC_CONTACT_MORE_LINK, IDC_CONTACT_MORE_LABEL}},
    };
    testing_support::ScopedEnvironment english("VQTR_LOCALE", "00000409");
    for (const Case& c : cases) {
        for (const char* value : {"1", "0", "", "yes"}) {
            SCOPED_TRACE(std::string(c.option) + "=" + value);
            ModelOptions model(Options{{c.option, value}});
            HWND page = Painted(OpenContact());
            const bool shown = std::string(value) != "1";
            for (UINT control : c.hidden)
                EXPECT_EQ(Visible(page, control), shown) << control;
            // The other links stay.
            EXPECT_TRUE(Visible(page, IDC_CONTACT_HOME_LINK));
            EXPECT_TRUE(Visible(page, IDC_CONTACT_TECH_LINK));
            EntryTerminateNow();
        }
    }
}

TEST_F(ContactInfoPageTest, TheSpecialOfferIsShownOnlyToTheTwoEnglishLocales) {
    const struct {
        const char* locale;
        bool shown;
    } cases[] = {{"00000409", true}, {"00001009", true}, {"00000809", false}, {"00000407", false}};
    ModelOptions model;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        testing_support::ScopedEnvironment locale("VQTR_LOCALE", c.locale);
        HWND page = Painted(OpenContact());
        EXPECT_EQ(Visible(page, IDC_CONTACT_OFFER_LINK), c.shown);
        EntryTerminateNow();
    }
}

TEST_F(ContactInfoPageTest, EachWebLinkOpensTheAddressOfItsOption) {
    testing_support::ScopedEnvironment english("VQTR_LOCALE", "00000409");
    ModelOptions model;
    HWND page = Painted(OpenContact());
    const struct {
        UINT link;
        const char* address;
    } cases[] = {
        {IDC_CONTACT_HOME_LINK, "/home.html"},
        {IDC_CONTACT_SUPPORT_LINK, "/support.html"},
        {IDC_CONTACT_TECH_LINK, "/tech.html"},
        {IDC_CONTACT_REGISTRATION_LINK, "/register.html"},
        {IDC_CONTACT_SOFTWARE_LINK, "/software.html"},
        {IDC_CONTACT_OFFER_LINK, "/offer.html"},
        {IDC_CONTACT_MORE_LINK, "/more.html"},
    };
    for (const auto& c : cases) {
        const std::string opened = OpenedBy(page, c.link);
        EXPECT_NE(opened.find(c.address), std::string::npos) << c.link << ": " << opened;
        EXPECT_EQ(opened.rfind("https://", 0), 0u) << opened;
    }
    // Without the ordering row the supplies link opens the ordering dialog.
    SuppliesDialogUser user([](HWND dialog) { Press(dialog, IDC_WIZARD_CANCEL); });
    Press(page, IDC_CONTACT_SUPPLIES_LINK);
    EXPECT_EQ(user.Shown(), 1);
    EXPECT_FALSE(Visible(page, IDC_CONTACT_NUMBERS_LINK));
}

TEST_F(ContactInfoPageTest, AnOrderingModelShowsTheOrderingRowAndOrdersOnline) {
    ModelOptions model(Options{{"IDO_ORDER_INKCART_BUTTONS_OPTION", "1"}});
    HWND page = Painted(OpenContact());
    EXPECT_FALSE(Visible(page, IDC_CONTACT_PHONE_LABEL));
    EXPECT_FALSE(Visible(page, IDC_CONTACT_PHONE_TEXT));
    EXPECT_TRUE(Visible(page, IDC_CONTACT_ORDER_LABEL));
    EXPECT_TRUE(Visible(page, IDC_CONTACT_ORDER_BUTTON));
    EXPECT_FALSE(Visible(page, IDC_CONTACT_SUPPLIES_LINK));
    EXPECT_TRUE(Visible(page, IDC_CONTACT_NUMBERS_LINK));
    // The order button orders online with the printer's cartridges.
    const std::string order = OpenedBy(page, IDC_CONTACT_ORDER_BUTTON);
    EXPECT_NE(order.find("/supplies.html"), std::string::npos) << order;
    EXPECT_NE(order.find("cart1="), std::string::npos) << order;
    // Support is the support web server itself, typed in, shown in the window's size.
    const std::vector<UiCall> support = PressAndRecord(page, IDC_CONTACT_SUPPORT_LINK);
    ASSERT_EQ(support.size(), 1u);
    EXPECT_EQ(support[0].text, "https://support.corvane.example/");
    EXPECT_EQ(support[0].number, static_cast<unsigned>(SW_SHOW));
    const std::string numbers = OpenedBy(page, IDC_CONTACT_NUMBERS_LINK);
    EXPECT_NE(numbers.find("\\vqtrsply.htm"), std::string::npos) << numbers;
}

TEST_F(ContactInfoPageTest, TheSuppliesNumbersNeedBothTheOrderingAndTheNumbersOption) {
    const struct {
        const char* ordering;
        const char* numbers;
        bool shown;
    } cases[] = {{"1", "1", true}, {"1", "0", false}, {"1", "", false}, {"0", "1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ordering) + "/" + c.numbers);
        ModelOptions model(Options{{"IDO_ORDER_INKCART_BUTTONS_OPTION", c.ordering},
                                   {"IDO_CONTACT_SUPPLIES_NUMBERS_BUTTON", c.numbers}});
        HWND page = Painted(OpenContact());
        EXPECT_EQ(Visible(page, IDC_CONTACT_NUMBERS_LINK), c.shown);
        EXPECT_EQ(Visible(page, IDC_CONTACT_NUMBERS_LABEL), c.shown);
        EntryTerminateNow();
    }
}

TEST_F(ContactInfoPageTest, TabReachesEveryShownLinkAndButtonInReadingOrder) {
    testing_support::ScopedEnvironment english("VQTR_LOCALE", "00000409");
    ModelOptions model;
    HWND page = Painted(OpenContact());
    const std::vector<int> expected = {
        IDC_CONTACT_HOME_LINK,         IDC_CONTACT_SUPPORT_LINK,  IDC_CONTACT_TECH_LINK,
        IDC_CONTACT_REGISTRATION_LINK, IDC_CONTACT_SOFTWARE_LINK, IDC_CONTACT_OFFER_LINK,
        IDC_CONTACT_SUPPLIES_LINK,     IDC_CONTACT_MORE_LINK,     IDC_PAGE_CLOSE,
        IDC_PAGE_HELP_OR_ORDER};
    EXPECT_EQ(TabStops(page), expected);
}
