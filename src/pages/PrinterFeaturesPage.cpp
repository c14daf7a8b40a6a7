#include "PrinterFeaturesPage.h"

#include "CSpy.h"
#include "GuiFont.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
constexpr COLORREF kHeadingColor = RGB(0, 0, 0);
constexpr UINT kLists[] = {IDC_FEATURES_LIST1, IDC_FEATURES_LIST2, IDC_FEATURES_LIST3};
constexpr UINT kShowButtons[] = {IDC_FEATURES_SHOW1, IDC_FEATURES_SHOW2, IDC_FEATURES_SHOW3};
constexpr UINT kHeadings[] = {IDC_FEATURES_HEADING1, IDC_FEATURES_HEADING2, IDC_FEATURES_HEADING3};
// The manual link's text starts right of its badge.
constexpr int kManualTextLeft = 40;

const NvoProduct& Options() {
    return g_pQORTabDlg->m_Product;
}

UINT ListControl(int list) {
    return kLists[list - 1];
}
} // namespace

BEGIN_MESSAGE_MAP(CQORPrinterFeaturesPage, CQORPage)
ON_COMMAND(IDC_FEATURES_SHOW1, OnShowList1)
ON_COMMAND(IDC_FEATURES_SHOW2, OnShowList2)
ON_COMMAND(IDC_FEATURES_SHOW3, OnShowList3)
ON_COMMAND(IDC_FEATURES_MANUAL_LINK, OpenUserGuide)
ON_COMMAND(IDC_PAGE_WEB_LINK, OnRewardsLink)
END_MESSAGE_MAP()

CQORPrinterFeaturesPage::CQORPrinterFeaturesPage()
    : CQORPage(IDD_PAGE_FEATURES, OrderButton::OrderDialog) {}

FeatureModel CQORPrinterFeaturesPage::Model() {
    return {Options().CompareSetting("IDO_AIO_FAMILY", 1) != 0,
            Options().CompareSetting("IDO_FIND_PRINTABLE_USER_GUIDE", 1) != 0,
            Options().CompareSetting("IDO_PANEL_MENU", 1) != 0};
}

BOOL CQORPrinterFeaturesPage::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CQORPrinterFeaturesPage::OnInitDialog()");
    CQORPage::OnInitDialog();
    m_Title.SetTextId(IDS_FEATURES_TITLE);
    m_Pictures[0].Init(IDC_PAGE_PICTURE1, this, IDB_MAIN_LOGO, kKeyColor, BITMAP_TOPLEFT);
    m_Pictures[1].Init(IDC_PAGE_PICTURE2, this, IDB_HOME_PICTURE2, kKeyColor, BITMAP_STRETCHED);
    if (!g_pQORTabDlg)
        return TRUE;
    InitHeadings(Model().allInOne);
    InitLinks();
    m_InkLevels.Init(this, &g_pQORTabDlg->m_Records.ink);
    return TRUE;
}

void CQORPrinterFeaturesPage::InitHeadings(bool allInOne) {
    const UINT texts[] = {
        static_cast<UINT>(allInOne ? IDS_FEATURES_HEADING1_AIO : IDS_FEATURES_HEADING1),
        static_cast<UINT>(allInOne ? IDS_FEATURES_HEADING2_AIO : IDS_FEATURES_HEADING2),
        IDS_FEATURES_HEADING3};
    CString size;
    size.LoadString(IDS_POINT_SIZE_SMALL);
    for (size_t index = 0; index < m_Headings.size(); ++index) {
        transbkstatic& heading = m_Headings[index];
        heading.Init(kHeadings[index], this);
        heading.SetTextId(texts[index]);
        heading.SetBold(TRUE);
        heading.SetTextColor(kHeadingColor);
        heading.SetPointSize(CGUIFont::PointTenthsFromText(size));
    }
}

void CQORPrinterFeaturesPage::InitLinks() {
    for (size_t index = 0; index < m_ShowButtons.size(); ++index)
        if (m_ShowButtons[index].Init(kShowButtons[index], this))
            m_ShowButtons[index].SetBitmaps(IDB_FEATURES_SHOW, IDB_FEATURES_SHOW_HOVER,
                                            IDB_FEATURES_SHOW_PRESSED, kKeyColor);
    if (m_ManualLink.Init(IDC_FEATURES_MANUAL_LINK, this)) {
        m_ManualLink.SetBitmaps(IDB_FEATURES_MANUAL_LINK, IDB_FEATURES_MANUAL_LINK_HOVER, 0,
                                kKeyColor);
        m_ManualLink.SetTextId(IDS_FEATURES_MANUAL_LINK);
        m_ManualLink.SetTextOffset(kManualTextLeft, 0);
        m_ManualLink.SetAlignment(DT_WORDBREAK);
    }
    InitWebLink(m_RewardsCaption, IDS_FEATURES_REWARD_CAPTION, m_RewardsLink,
                IDS_FEATURES_REWARD_LINK, "IDO_REWARD_URL_OVERRIDE");
}

void CQORPrinterFeaturesPage::FillLists() {
    const FeatureModel model = Model();
    for (int list = 1; list <= 3; ++list) {
        CWindow combo = GetDlgItem(static_cast<int>(ListControl(list)));
        combo.SendMessage(CB_RESETCONTENT);
        for (const FeatureSubject& subject : FeatureSubjects(list, model)) {
            CString text;
            text.LoadString(subject.textId);
            combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        combo.SendMessage(CB_SETCURSEL, 0);
    }
}

void CQORPrinterFeaturesPage::ShowSubject(int list) {
    if (!g_pQORTabDlg)
        return;
    const LRESULT index = GetDlgItem(static_cast<int>(ListControl(list))).SendMessage(CB_GETCURSEL);
    const DWORD topic = FeatureTopic(list, static_cast<int>(index), Model());
    CSpy().OutputEach("CQORPrinterFeaturesPage::ShowSubject()", list, static_cast<int>(index),
                      static_cast<int>(topic));
    if (topic)
        g_pQORTabDlg->ShowHelpTopic(topic, Owner());
}

void CQORPrinterFeaturesPage::OnRewardsLink() {
    m_RewardsLink.FollowLink("IDO_REWARD_SUBURL", TRUE);
}

void CQORPrinterFeaturesPage::Refresh() {
    if (!g_pQORTabDlg || !IsWindow())
        return;
    FillLists();
    UpdateClosingButtons();
    Invalidate();
}

void CQORPrinterFeaturesPage::UpdateInkLevels(INKINFO* ink) {
    if (IsWindow())
        m_InkLevels.Update(ink);
}

void CQORPrinterFeaturesPage::PaintContent(HDC dc) {
    m_InkLevels.Draw(dc);
    UpdateClosingButtons();
}

void CQORPrinterFeaturesPage::OpenFeatureList(int list) {
    if (list < 1 || list > 3 || !IsWindow())
        return;
    CWindow combo = GetDlgItem(static_cast<int>(ListControl(list)));
    if (!combo.IsWindow())
        return;
    combo.SetFocus();
    if (!combo.SendMessage(CB_GETDROPPEDSTATE))
        combo.SendMessage(CB_SHOWDROPDOWN, TRUE);
}
