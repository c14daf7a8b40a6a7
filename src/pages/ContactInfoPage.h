// The main window's page of contact information: the customer-support telephone number for the
// user's locale, the links to the maker's web pages, the supplies part numbers and the ordering,
// and the ink levels.
#pragma once

#include "Links.h"
#include "PageInkLevels.h"
#include "QORPage.h"

#include <array>

class CQORContactInfoPage : public CQORPage {
public:
    CQORContactInfoPage();

    void UpdateInkLevels(INKINFO* ink) override;

protected:
    BOOL OnInitDialog() override;
    void PaintContent(HDC dc) override;

    void OnHomePageLink() { FollowOptionLink(kHomePage, "IDO_HOMEPAGE_SUBURL"); }
    void OnSupportLink();
    void OnTechnicalContactLink() { FollowOptionLink(kTechnicalContact, "IDO_CONTACTTECH_SUBURL"); }
    void OnRegistrationLink() { FollowOptionLink(kRegistration, "IDO_REGISTRATION_SUBURL"); }
    void OnSoftwareLink() { FollowOptionLink(kSoftware, "IDO_SOFTWARE_SUBURL"); }
    void OnSpecialOfferLink() { FollowOptionLink(kSpecialOffer, "IDO_SPECIALOFFER_SUBURL"); }
    void OnMoreContactLink() { FollowOptionLink(kMoreContact, "IDO_MORECONTACT_SUBURL"); }
    // The supplies link and the ordering row's button.
    void OnSuppliesLink();
    void OnSuppliesNumbersLink();
    DECLARE_MESSAGE_MAP()

private:
    enum Link {
        kHomePage,
        kSupport,
        kTechnicalContact,
        kRegistration,
        kSoftware,
        kSpecialOffer,
        kSupplies,
        kMoreContact,
        kSuppliesNumbers,
        kOrderButton,
        kLinkCount
    };
    void ShowPhoneNumber();
    // Shows each link, its label and the telephone row as the model's options and the locale
    // say; painting applies them each time.
    void ApplyHidingRules();
    bool IsLinkShown(Link link) const;
    void FollowOptionLink(Link link, const char* subUrlOption);

    CPageInkLevels m_InkLevels;
    CString m_strModuleFolder;
    BYTE m_bShowSpecialOffer = 0;
    CString m_strLocale;
    std::array<CGUIUrlLink, kLinkCount> m_Links;
    std::array<CTransStaticBmp, 2> m_Pictures;
};
