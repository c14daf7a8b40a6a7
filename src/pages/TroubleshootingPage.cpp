#include "TroubleshootingPage.h"

#include "CSpy.h"
#include "main/PrinterHelpers.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
constexpr UINT kSolutionControls[] = {IDC_TROUBLE_SOLUTION1, IDC_TROUBLE_SOLUTION2,
                                      IDC_TROUBLE_SOLUTION3};
constexpr UINT kHelpControls[] = {IDC_TROUBLE_HELP1,  IDC_TROUBLE_HELP2,
                                  IDC_TROUBLE_HELP3,  IDC_TROUBLE_HELP4,
                                  IDC_TROUBLE_MANUAL, IDC_TROUBLE_NETWORK_CONFIG};
constexpr size_t kNetworkLink = 5;

// The alert's help class and sub-topic, kept for the module's life: the solution links of an
// alert open the topics of the alert last classified.
AlertTopics g_AlertTopics;

bool AioFamily() {
    return g_pQORTabDlg && g_pQORTabDlg->m_Product.CompareSetting("IDO_AIO_FAMILY", 1);
}
} // namespace

BEGIN_MESSAGE_MAP(CQORTroubleshootingPage, CQORPage)
ON_COMMAND(IDC_TROUBLE_SOLUTION1, OnSolution1)
ON_COMMAND(IDC_TROUBLE_SOLUTION2, OnSolution2)
ON_COMMAND(IDC_TROUBLE_SOLUTION3, OnSolution3)
ON_COMMAND(IDC_TROUBLE_HELP1, OnSlowPrinting)
ON_COMMAND(IDC_TROUBLE_HELP2, OnPrintQuality)
ON_COMMAND(IDC_TROUBLE_HELP3, OnPaperFeed)
ON_COMMAND(IDC_TROUBLE_HELP4, OnDeviceProblems)
ON_COMMAND(IDC_TROUBLE_MANUAL, OpenUserGuide)
ON_COMMAND(IDC_TROUBLE_NETWORK_CONFIG, OnNetworkConfiguration)
ON_COMMAND(IDC_PAGE_WEB_LINK, OnSupportWebLink)
END_MESSAGE_MAP()

CQORTroubleshootingPage::CQORTroubleshootingPage() : CQORPage(IDD_PAGE_TROUBLESHOOTING) {}

BOOL CQORTroubleshootingPage::OnInitDialog() {
    CQORPage::OnInitDialog();
    CSpy().OutputData("CQORTroubleshootingPage::OnInitDialog()");
    m_StateText.Init(IDC_TROUBLE_STATE_TEXT, this);
    m_StateText.SetBold(TRUE);
    m_MoreHeading.Init(IDC_TROUBLE_MORE_HEADING, this);
    m_MoreHeading.SetBold(TRUE);
    m_WebCaption.Init(IDC_PAGE_WEB_CAPTION, this);
    for (size_t index = 0; index < m_Solutions.size(); ++index)
        m_Solutions[index].Init(kSolutionControls[index], this);
    for (size_t index = 0; index < m_HelpLinks.size(); ++index)
        m_HelpLinks[index].Init(kHelpControls[index], this);
    m_SupportLink.Init(IDC_PAGE_WEB_LINK, this);
    m_SupportLink.SetBitmaps(IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, kKeyColor);
    m_SupportLink.SetAlignment(0);
    m_Pictures[0].Init(IDC_PAGE_PICTURE1, this, IDB_MAIN_LOGO, kKeyColor, BITMAP_TOPLEFT);
    m_Pictures[1].Init(IDC_PAGE_PICTURE2, this, IDB_HOME_PICTURE2, kKeyColor, BITMAP_STRETCHED);
    const bool network =
        g_pQORTabDlg && g_pQORTabDlg->m_Product.CompareSetting("IDO_NETWORKCONFIGURATION", 1);
    m_HelpLinks[kNetworkLink].ShowWindow(network ? SW_SHOW : SW_HIDE);
    Refresh();
    return TRUE;
}

void CQORTroubleshootingPage::Refresh() {
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main || !IsWindow())
        return;
    const STATUSINFO& info = main->m_InfoStruct;
    const DWORD status = info.dwStatus;
    const AlertKind alert = status == QOR_STATUS_ALERT_BUSY || status == QOR_STATUS_ALERT
                                ? ClassifyAlert(info.lpStatusError)
                                : AlertKind::None;
    const TroubleshootingView view =
        ViewOfState(status, main->m_PortInfo.dwPortType, alert, AioFamily(), g_AlertTopics);
    CSpy().OutputEach("CQORTroubleshootingPage::Refresh()", static_cast<int>(status),
                      static_cast<int>(alert));
    m_StateText.SetTextId(view.stateText);
    for (size_t index = 0; index < m_Solutions.size(); ++index) {
        const UINT text = view.links[index];
        if (text)
            m_Solutions[index].SetTextId(text);
        ShowControl(m_Solutions[index], text != 0);
    }
    UpdateClosingButtons();
    Invalidate();
}

void CQORTroubleshootingPage::OpenSolution(int link) {
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    const DWORD topic = SolutionTopic(link, main->m_InfoStruct.dwStatus,
                                      main->m_PortInfo.dwPortType, g_AlertTopics);
    CSpy().OutputEach("CQORTroubleshootingPage::OpenSolution()", link, static_cast<int>(topic));
    if (topic)
        OpenTopic(topic);
}

void CQORTroubleshootingPage::OpenTopic(DWORD topic) {
    if (g_pQORTabDlg)
        g_pQORTabDlg->ShowHelpTopic(topic, Owner());
}

void CQORTroubleshootingPage::OnDeviceProblems() {
    OpenTopic(AioFamily() ? 821 : 310);
}

void CQORTroubleshootingPage::OnNetworkConfiguration() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->LaunchNetworkConfiguration(FALSE);
}

void CQORTroubleshootingPage::OnSupportWebLink() {
    m_SupportLink.FollowLink("IDO_SUPPORT_SUBURL", TRUE);
}
