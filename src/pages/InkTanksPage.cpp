#include "InkTanksPage.h"

#include "CSpy.h"
#include "Operations.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "maintenance/TestPage.h"
#include "resource.h"
#include "status/ReadyVerdicts.h"

namespace {

// Black, cyan, magenta and yellow: the display's tank order.
constexpr UINT kTankControls[] = {IDC_INK_TANK6, IDC_INK_TANK4, IDC_INK_TANK3, IDC_INK_TANK5};

struct PictureSetUp {
    UINT control;
    UINT bitmap;
    int style;
};
// Bitmap 6014 of this resource module is the window's whole background: the page shows the logo
// tile in its corner instead.
constexpr PictureSetUp kPictures[] = {
    {IDC_PAGE_PICTURE1, IDB_MAIN_LOGO, BITMAP_TOPLEFT},
    {IDC_TANKS_PICTURE2, IDB_HOME_PICTURE2, BITMAP_STRETCHED},
    {IDC_TANKS_PICTURE3, IDB_TANKS_DROP_BLACK, BITMAP_CENTERED},
    {IDC_TANKS_PICTURE4, IDB_TANKS_DROP_CYAN, BITMAP_CENTERED},
    {IDC_INK_PICTURE3, IDB_TANKS_DROP_MAGENTA, BITMAP_CENTERED},
    {IDC_INK_PICTURE4, IDB_TANKS_DROP_YELLOW, BITMAP_CENTERED},
    {IDC_TANKS_PICTURE7, IDB_HOME_PICTURE3, BITMAP_CENTERED},
};
} // namespace

BEGIN_MESSAGE_MAP(CQORInkTanksPage, CQORInkPage)
ON_COMMAND(IDC_INK_TEST_PAGE_LINK, PrintTestPage)
ON_COMMAND(IDC_TANKS_SHEET2_LINK, CheckTanks)
ON_COMMAND(IDC_TANKS_HELP_LINK, OnTankHelp)
ON_COMMAND(IDC_TANKS_SOFTWARE_LINK, OnSoftwareLink)
END_MESSAGE_MAP()

CQORInkTanksPage::CQORInkTanksPage() : CQORInkPage(IDD_PAGE_INK_TANKS) {}

BOOL CQORInkTanksPage::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CQORInkTanksPage::OnInitDialog()");
    CQORInkPage::OnInitDialog();
    m_Title.SetTextId(IDS_TANKS_TITLE);

    for (size_t index = 0; index < m_Tanks.size(); ++index)
        m_Tanks[index].Attach(kTankControls[index], this);
    for (size_t index = 0; index < m_Pictures.size(); ++index)
        m_Pictures[index].Init(kPictures[index].control, this, kPictures[index].bitmap, kKeyColor,
                               kPictures[index].style);
    SetUpWebLink(m_SoftwareLink, IDC_TANKS_SOFTWARE_LINK, IDS_TANKS_SOFTWARE_LINK,
                 "IDO_SOFTWARE_URL_OVERRIDE");

    if (!g_pQORTabDlg)
        return TRUE;
    CQORTabDlg& main = *g_pQORTabDlg;
    const bool disabled = LinksDisabled(main.m_PortInfo.dwPortType);
    SetUpMaintenanceLinks(disabled);
    SetUpLink({&m_CheckLink, IDC_TANKS_SHEET2_LINK, IDB_TANKS_LINK_CHECK,
               IDB_TANKS_LINK_CHECK_HOVER, IDB_TANKS_LINK_CHECK_DISABLED, 13},
              disabled);
    SetUpLink({&m_HelpLink, IDC_TANKS_HELP_LINK, IDB_INK_LINK_HELP, IDB_INK_LINK_HELP_HOVER, 0, 13},
              disabled);

    m_InkDisplay.SetInkInfo(&main.m_Records.ink);
    m_InkDisplay.InitializeInkTanks({&m_Tanks[0], &m_Tanks[1], &m_Tanks[2], &m_Tanks[3]}, 1);
    return TRUE;
}

void CQORInkTanksPage::Refresh() {
    if (g_pQORTabDlg)
        UpdateInkLevels(&g_pQORTabDlg->m_Records.ink);
    Invalidate();
}

bool CQORInkTanksPage::LinksDisabled(DWORD portType) const {
    return portType == QOR_PORT_NETWORK_5 || portType == QOR_PORT_NETWORK_6 ||
           portType == QOR_PORT_NETWORK_7 || portType == QOR_PORT_NO_STATUS;
}

bool CQORInkTanksPage::PassReadinessCheck(CQORTabDlg& main) {
    return !LinksDisabled(main.m_PortInfo.dwPortType) && TankReadinessCheck(main);
}

bool CQORInkTanksPage::TankReadinessCheck(CQORTabDlg& main) {
    if (GetMaintenanceGate(main.m_PortInfo.dwPortType, main.m_bBidi) ==
        MaintenanceGate::kReadyWithoutStatus)
        return true;
    main.DoCallback(CBGetStatus, &main.m_InfoStruct, 0, 0);
    if (g_pQORTabDlg != &main)
        return false;
    if (!IsPrinterBusy(main.m_InfoStruct.dwStatus))
        return true;
    CSpy().OutputData("CQORInkTanksPage::TankReadinessCheck() the printer is busy");
    CString text, caption;
    text.LoadString(IDS_PRINTER_BUSY);
    caption.LoadString(IDS_MAIN_TITLE);
    UtilMessageBox(Owner(), text, caption + " - " + main.m_strPrinterName, 0);
    return false;
}

void CQORInkTanksPage::PrintTestPage() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    CSpy spy;
    spy.OutputData("CQORInkTanksPage::PrintTestPage()");
    main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    // A network printer that is printing queues the page behind its job.
    const bool queued = main->m_InfoStruct.dwStatus == QOR_STATUS_BUSY &&
                        main->m_PortInfo.dwPortType == QOR_PORT_NETWORK;
    if (!queued && (!TankReadinessCheck(*main) || g_pQORTabDlg != main))
        return;
    ::PrintTestPage(main->m_strPrinterName);
}

void CQORInkTanksPage::CheckTanks() {
    LaunchWizard(kTankSheet2);
}

void CQORInkTanksPage::OnTankHelp() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->ShowHelpTopic(kHelpTopicGeneral, Owner());
}

void CQORInkTanksPage::OnSoftwareLink() {
    if (g_pQORTabDlg)
        m_SoftwareLink.FollowLink("IDO_SOFTWARE_SUBURL", FALSE);
}
