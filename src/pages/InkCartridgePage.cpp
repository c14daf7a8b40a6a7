#include "InkCartridgePage.h"

#include "CSpy.h"
#include "status/CartridgePictures.h"
#include "GuiFont.h"
#include "PrinterReadyCheck.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "maintenance/CleanRollersDlg.h"
#include "maintenance/TestPage.h"
#include "resource.h"

namespace {

enum Tank { kTank2028, kTank2025, kTank2026, kTank2027 };
constexpr UINT kTankControls[] = {IDC_INK_TANK6, IDC_INK_TANK3, IDC_INK_TANK4, IDC_INK_TANK5};
enum Picture { kPicture6013, kPicture6161, kCartridge1, kCartridge2 };
constexpr UINT kPictureControls[] = {IDC_PAGE_PICTURE1, IDC_PAGE_PICTURE2, IDC_INK_PICTURE3,
                                     IDC_INK_PICTURE4};
constexpr UINT kLabelControls[] = {IDC_INK_CARTRIDGE1_LABEL, IDC_INK_CARTRIDGE2_LABEL};
constexpr UINT kLabelBitmaps[] = {IDB_CART_LABEL_LEFT, IDB_CART_LABEL_RIGHT};
constexpr UINT kNameControls[] = {IDC_INK_CARTRIDGE1_NAME, IDC_INK_CARTRIDGE2_NAME};

bool CleanRollersOption() {
    return g_pQORTabDlg && g_pQORTabDlg->m_Product.CompareSetting("IDO_SUPPORT_CLEANROLLERS", 1);
}

void FollowSuppliesAddress() {
    CGUIUrlLink link;
    link.FollowLink("IDO_SUPPLIES_SUBURL", &g_pQORTabDlg->m_Records.ink, FALSE);
}
} // namespace

BEGIN_MESSAGE_MAP(CQORInkCartridgePage, CQORInkPage)
ON_COMMAND(IDC_INK_TEST_PAGE_LINK, PrintTestPage)
ON_COMMAND(IDC_INK_CLEAN_ROLLERS_LINK, CleanRollers)
ON_COMMAND(IDC_INK_CARTRIDGE_HELP_LINK, OnCartridgeHelp)
ON_COMMAND(IDC_PAGE_WEB_LINK, OnSuppliesWebLink)
END_MESSAGE_MAP()

CQORInkCartridgePage::CQORInkCartridgePage() : CQORInkPage(IDD_PAGE_INK_CARTRIDGE) {}

BOOL CQORInkCartridgePage::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CQORInkCartridgePage::OnInitDialog()");
    CQORInkPage::OnInitDialog();

    const UINT headings[] = {IDC_INK_HEADING_LEVELS, IDC_INK_HEADING_MAINTENANCE};
    for (size_t index = 0; index < m_Headings.size(); ++index) {
        m_Headings[index].Init(headings[index], this);
        m_Headings[index].SetBold(TRUE);
    }

    for (size_t index = 0; index < m_Tanks.size(); ++index)
        m_Tanks[index].Attach(kTankControls[index], this);
    // Bitmap 6014 of this resource module is the window's whole background: the page shows the
    // logo tile in its corner instead.
    m_Pictures[kPicture6013].Init(kPictureControls[kPicture6013], this, IDB_MAIN_LOGO, kKeyColor,
                                  BITMAP_TOPLEFT);
    m_Pictures[kPicture6161].Init(kPictureControls[kPicture6161], this, IDB_HOME_PICTURE2,
                                  kKeyColor, BITMAP_STRETCHED);
    for (size_t index = 0; index < m_PositionLabels.size(); ++index) {
        m_Pictures[kCartridge1 + index].Init(
            kPictureControls[kCartridge1 + index], this,
            ShownCartridge(QOR_CART_MISSING, int(index) + 1).pictureId, kKeyColor, BITMAP_CENTERED);
        m_PositionLabels[index].Init(kLabelControls[index], this, kLabelBitmaps[index], kKeyColor,
                                     BITMAP_CENTERED);
        m_CartridgeNames[index].Init(kNameControls[index], this);
        m_CartridgeNames[index].SetBold(TRUE);
        m_CartridgeNames[index].SetAlignment(ALIGN_CENTER);
    }
    SetUpWebLink(m_SuppliesLink, IDC_PAGE_WEB_LINK, IDS_INK_WEB_LINK, "IDO_SUPPLIES_URL_OVERRIDE");

    if (!g_pQORTabDlg)
        return TRUE;
    CQORTabDlg& main = *g_pQORTabDlg;
    const bool disabled = LinksDisabled(main.m_PortInfo.dwPortType);
    SetUpMaintenanceLinks(disabled);
    SetUpLink({&m_CartridgeHelpLink, IDC_INK_CARTRIDGE_HELP_LINK, IDB_INK_LINK_HELP,
               IDB_INK_LINK_HELP_HOVER, 0, 13},
              disabled);
    SetUpLink({&m_CleanRollersLink, IDC_INK_CLEAN_ROLLERS_LINK, IDB_INK_LINK_CLEAN_ROLLERS,
               IDB_INK_LINK_CLEAN_ROLLERS_HOVER, IDB_INK_LINK_CLEAN_ROLLERS_DISABLED, 13},
              disabled);
    if (!CleanRollersOption())
        m_CleanRollersLink.ShowWindow(SW_HIDE);

    // Slot 0 of the display shows the cartridge of position 1, slot 1 that of position 2; the
    // other two tanks take no part.
    m_InkDisplay.SetInkInfo(&main.m_Records.ink);
    m_InkDisplay.InitializeInkTanks(
        {&m_Tanks[kTank2026], &m_Tanks[kTank2025], &m_Tanks[kTank2027], &m_Tanks[kTank2028]}, 1);
    m_Tanks[kTank2027].ShowWindow(SW_HIDE);
    m_Tanks[kTank2028].ShowWindow(SW_HIDE);
    ShowCartridges();
    return TRUE;
}

void CQORInkCartridgePage::Refresh() {
    ShowCartridges();
    UpdateClosingButtons();
    Invalidate();
}

void CQORInkCartridgePage::UpdateInkLevels(INKINFO* ink) {
    CQORInkPage::UpdateInkLevels(ink);
    ShowCartridges();
}

void CQORInkCartridgePage::ShowCartridges() {
    if (!g_pQORTabDlg || !IsWindow())
        return;
    const INKINFO& ink = g_pQORTabDlg->m_Records.ink;
    // A one-position carrier has no second cartridge: its fields are never read.
    int positions = ink.dwCarrierType == QOR_CARRIER_SINGLE ? 1 : 2;
    const DWORD ids[] = {ink.LogCartID1, ink.LogCartID2};
    for (int index = 0; index < 2; ++index) {
        bool shown = index < positions;
        int position = index + 1;
        ShowControl(m_Pictures[kCartridge1 + index], shown);
        ShowControl(m_PositionLabels[index], shown);
        ShowControl(m_CartridgeNames[index], shown);
        ShowControl(m_Tanks[index == 0 ? kTank2026 : kTank2025], shown);
        if (!shown)
            continue;
        DWORD id = ids[index];
        CartridgeView view = ShownCartridge(id, position);
        m_Pictures[kCartridge1 + index].SetBitmap(view.pictureId, kKeyColor, BITMAP_CENTERED);
        m_CartridgeNames[index].SetTextId(view.nameId);
        if (id != m_ShownIds[index] && !IsKnownCartridgeId(id) && id != QOR_CART_INVALID)
            ReportInvalidCartridgeId(id, position, Owner());
        m_ShownIds[index] = id;
    }
}

bool CQORInkCartridgePage::LinksDisabled(DWORD portType) const {
    return GetMaintenanceGate(portType, TRUE) == MaintenanceGate::kDisabled;
}

bool CQORInkCartridgePage::PassReadinessCheck(CQORTabDlg& main) {
    return PassMaintenanceChecks(main) != FALSE;
}

void CQORInkCartridgePage::PrintTestPage() {
    if (!g_pQORTabDlg)
        return;
    g_pQORTabDlg->ShowHelpTopic(kHelpTopicTestPage, Owner());
    CSpy spy;
    spy.OutputData("CQORInkCartridgePage::PrintTestPage()");
    // The help viewer may have let the host close the module.
    if (g_pQORTabDlg)
        ::PrintTestPage(g_pQORTabDlg->m_strPrinterName);
}

void CQORInkCartridgePage::CleanRollers() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    if (main->m_PortInfo.dwPortType == QOR_PORT_NO_STATUS) {
        CPrinterReadyDlg alert(*main);
        alert.CheckPrinter();
        return;
    }
    CSpy spy;
    spy.OutputData("CQORInkCartridgePage::CleanRollers()");
    // Owned by the main window: a host that closes the module takes the dialog and its loop along.
    CCleanRollersDlg rollers(main);
    rollers.DoModal();
}

void CQORInkCartridgePage::OnCartridgeHelp() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->ShowHelpTopic(kHelpTopicGeneral, Owner());
}

void CQORInkCartridgePage::OnSuppliesWebLink() {
    if (g_pQORTabDlg)
        FollowSuppliesAddress();
}
