#include "ContactInfoPage.h"

#include "CSpy.h"
#include "Operations.h"
#include "OrderPhoneNumber.h"
#include "SuppliesOrderDlg.h"
#include "host/QorModule.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/ContactRules.h"

namespace {
// The customer-support web server, opened as a typed address on models that order through the
// maker's shop, whose support pages have no sub-address of their own.
constexpr const char* kSupportWebHost = "https://support.corvane.example/";

struct LinkRow {
    UINT control;
    const char* overrideOption; // "1" hides the link; null: never hidden by an option
};
constexpr LinkRow kLinkRows[] = {
    {IDC_CONTACT_HOME_LINK, nullptr},
    {IDC_CONTACT_SUPPORT_LINK, "IDO_SUPPORT_URL_OVERRIDE"},
    {IDC_CONTACT_TECH_LINK, nullptr},
    {IDC_CONTACT_REGISTRATION_LINK, "IDO_REGISTRATION_URL_OVERRIDE"},
    {IDC_CONTACT_SOFTWARE_LINK, "IDO_SOFTWARE_URL_OVERRIDE"},
    {IDC_CONTACT_OFFER_LINK, "IDO_SPECIALOFFER_URL_OVERRIDE"},
    {IDC_CONTACT_SUPPLIES_LINK, "IDO_SUPPLIES_URL_OVERRIDE"},
    {IDC_CONTACT_MORE_LINK, "IDO_MORECONTACT_URL_OVERRIDE"},
    {IDC_CONTACT_NUMBERS_LINK, nullptr},
    {IDC_CONTACT_ORDER_BUTTON, "IDO_SUPPLIES_URL_OVERRIDE"},
};

const NvoProduct& Options() {
    return g_pQORTabDlg->m_Product;
}

bool OrderingOption(unsigned long value) {
    return Options().CompareSetting("IDO_ORDER_INKCART_BUTTONS_OPTION", value) != 0;
}
} // namespace

BEGIN_MESSAGE_MAP(CQORContactInfoPage, CQORPage)
ON_COMMAND(IDC_CONTACT_HOME_LINK, OnHomePageLink)
ON_COMMAND(IDC_CONTACT_SUPPORT_LINK, OnSupportLink)
ON_COMMAND(IDC_CONTACT_TECH_LINK, OnTechnicalContactLink)
ON_COMMAND(IDC_CONTACT_REGISTRATION_LINK, OnRegistrationLink)
ON_COMMAND(IDC_CONTACT_SOFTWARE_LINK, OnSoftwareLink)
ON_COMMAND(IDC_CONTACT_OFFER_LINK, OnSpecialOfferLink)
ON_COMMAND(IDC_CONTACT_SUPPLIES_LINK, OnSuppliesLink)
ON_COMMAND(IDC_CONTACT_ORDER_BUTTON, OnSuppliesLink)
ON_COMMAND(IDC_CONTACT_MORE_LINK, OnMoreContactLink)
ON_COMMAND(IDC_CONTACT_NUMBERS_LINK, OnSuppliesNumbersLink)
END_MESSAGE_MAP()

CQORContactInfoPage::CQORContactInfoPage() : CQORPage(IDD_PAGE_CONTACT) {}

BOOL CQORContactInfoPage::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CQORContactInfoPage::OnInitDialog()");
    CQORPage::OnInitDialog();
    m_strModuleFolder = ModuleFolder().c_str();
    char locale[16] = {};
    UtilGetLocaleText(locale, sizeof locale, nullptr, 0);
    m_strLocale = locale;
    m_bShowSpecialOffer = ShowsSpecialOffer(locale) ? 1 : 0;
    spy.OutputEach("CQORContactInfoPage::OnInitDialog() locale", m_strLocale,
                   static_cast<int>(m_bShowSpecialOffer));

    m_Pictures[0].Init(IDC_PAGE_PICTURE1, this, IDB_MAIN_LOGO, kKeyColor, BITMAP_TOPLEFT);
    m_Pictures[1].Init(IDC_PAGE_PICTURE2, this, IDB_HOME_PICTURE2, kKeyColor, BITMAP_STRETCHED);
    for (size_t index = 0; index < m_Links.size(); ++index)
        if (m_Links[index].Init(kLinkRows[index].control, this))
            m_Links[index].SetBitmaps(IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK,
                                      kKeyColor);
    if (!g_pQORTabDlg)
        return TRUE;
    if (!OrderingOption(1))
        ShowPhoneNumber();
    ApplyHidingRules();
    m_InkLevels.Init(this, &g_pQORTabDlg->m_Records.ink);
    return TRUE;
}

void CQORContactInfoPage::ShowPhoneNumber() {
    CString number = ReadOrderPhoneNumber(Options());
    if (number.IsEmpty()) {
        CSpy().OutputData("CQORContactInfoPage::ShowPhoneNumber() no number: not available");
        number.LoadString(IDS_CONTACT_PHONE_MISSING);
    }
    SetDlgItemText(IDC_CONTACT_PHONE_TEXT, number);
}

bool CQORContactInfoPage::IsLinkShown(Link link) const {
    const char* overrideOption = kLinkRows[link].overrideOption;
    if (overrideOption && Options().CompareSetting(overrideOption, "1"))
        return false;
    switch (link) {
    case kSpecialOffer:
        return m_bShowSpecialOffer != 0;
    case kSupplies:
        // Models with the ordering row order there; the others through this single link.
        return !OrderingOption(1);
    case kOrderButton:
        return OrderingOption(1);
    case kSuppliesNumbers:
        return !OrderingOption(0) &&
               Options().CompareSetting("IDO_CONTACT_SUPPLIES_NUMBERS_BUTTON", 1);
    default:
        return true;
    }
}

void CQORContactInfoPage::ApplyHidingRules() {
    for (int link = 0; link < kLinkCount; ++link)
        ShowControl(m_Links[static_cast<size_t>(link)], IsLinkShown(static_cast<Link>(link)));
    const bool ordering = OrderingOption(1);
    ShowControl(GetDlgItem(IDC_CONTACT_ORDER_LABEL), ordering);
    ShowControl(GetDlgItem(IDC_CONTACT_PHONE_LABEL), !ordering);
    ShowControl(GetDlgItem(IDC_CONTACT_PHONE_TEXT), !ordering);
    ShowControl(GetDlgItem(IDC_CONTACT_MORE_LABEL), IsLinkShown(kMoreContact));
    ShowControl(GetDlgItem(IDC_CONTACT_NUMBERS_LABEL), IsLinkShown(kSuppliesNumbers));
}

void CQORContactInfoPage::FollowOptionLink(Link link, const char* subUrlOption) {
    m_Links[link].FollowLink(subUrlOption, TRUE);
}

void CQORContactInfoPage::OnSupportLink() {
    if (OrderingOption(0))
        FollowOptionLink(kSupport, "IDO_SUPPORT_SUBURL");
    else
        CGUIUrlLink::GotoURL(kSupportWebHost, SW_SHOW, Owner());
}

void CQORContactInfoPage::OnSuppliesLink() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    if (OrderingOption(1))
        m_Links[kSupplies].FollowLink("IDO_SUPPLIES_SUBURL", &main->m_Records.ink, TRUE);
    else
        main->OrderSupplies();
}

void CQORContactInfoPage::OnSuppliesNumbersLink() {
    OpenSuppliesNumbersPage(m_strModuleFolder, Owner());
}

void CQORContactInfoPage::UpdateInkLevels(INKINFO* ink) {
    if (IsWindow())
        m_InkLevels.Update(ink);
}

void CQORContactInfoPage::PaintContent(HDC dc) {
    if (g_pQORTabDlg)
        ApplyHidingRules();
    m_InkLevels.Draw(dc);
    UpdateClosingButtons();
}
