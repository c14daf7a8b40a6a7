#include "InkPage.h"

#include "CSpy.h"
#include "host/QorModule.h"
#include "main/QORPageSheet.h"
#include "main/QORTabDlg.h"
#include "main/QorWizardSheet.h"
#include "resource.h"

namespace {
constexpr COLORREF kDisabledHoverColor = 0xFF0000;
constexpr UINT kLinkTextLeft = 55;
constexpr UINT kLinkAlignment = DT_WORDBREAK;
} // namespace

BEGIN_MESSAGE_MAP(CQORInkPage, CQORPage)
ON_COMMAND(IDC_INK_ALIGN_LINK, AlignCartridges)
ON_COMMAND(IDC_INK_CLEAN_LINK, CleanCartridges)
ON_COMMAND(IDC_INK_ORDER_LINK, OrderSupplies)
ON_COMMAND(IDC_INK_INSTALL_LINK, InstallCartridges)
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CQORInkPage::CQORInkPage(UINT templateId) : CQORPage(templateId) {}

BOOL CQORInkPage::OnInitDialog() {
    CQORPage::OnInitDialog();
    m_strModuleFolder = ModuleFolder().c_str();
    m_WebCaption.Init(IDC_PAGE_WEB_CAPTION, this);
    m_WebCaption.SetTextId(IDS_INK_WEB_CAPTION);
    m_WebCaption.SetAlignment(ALIGN_LEFT);
    return TRUE;
}

void CQORInkPage::SetUpLink(const LinkSetUp& setUp, bool disabledConnection) {
    if (!setUp.link->Init(setUp.id, this))
        return;
    setUp.link->SetBitmaps(setUp.normal, setUp.hover, 0, kKeyColor);
    setUp.link->SetTextOffset(kLinkTextLeft, setUp.textTop);
    setUp.link->SetAlignment(kLinkAlignment);
    // On the connections that cannot run maintenance the wizards' links stay greyed. The text
    // stays beside the greyed badge.
    if (disabledConnection && setUp.disabled) {
        setUp.link->SetHoverColor(kDisabledHoverColor);
        setUp.link->SetDisabledBitmap(setUp.disabled, kKeyColor, ::GetSysColor(COLOR_GRAYTEXT));
        setUp.link->SetDisabledStyle(TRUE);
    }
}

void CQORInkPage::SetUpMaintenanceLinks(bool disabledConnection) {
    const LinkSetUp links[] = {
        {&m_InstallLink, IDC_INK_INSTALL_LINK, IDB_INK_LINK_INSTALL, IDB_INK_LINK_INSTALL_HOVER,
         IDB_INK_LINK_INSTALL_DISABLED, 10},
        {&m_TestPageLink, IDC_INK_TEST_PAGE_LINK, IDB_INK_LINK_TEST_PAGE,
         IDB_INK_LINK_TEST_PAGE_HOVER, 0, 16},
        {&m_AlignLink, IDC_INK_ALIGN_LINK, IDB_INK_LINK_ALIGN, IDB_INK_LINK_ALIGN_HOVER,
         IDB_INK_LINK_ALIGN_DISABLED, 13},
        {&m_CleanLink, IDC_INK_CLEAN_LINK, IDB_INK_LINK_CLEAN, IDB_INK_LINK_CLEAN_HOVER,
         IDB_INK_LINK_CLEAN_DISABLED, 13},
        {&m_OrderLink, IDC_INK_ORDER_LINK, IDB_INK_LINK_ORDER, IDB_INK_LINK_ORDER_HOVER, 0, 10},
    };
    for (const LinkSetUp& setUp : links)
        SetUpLink(setUp, disabledConnection);
}

void CQORInkPage::SetUpWebLink(CGUIUrlLink& link, UINT id, UINT textId,
                               const char* overrideOption) {
    link.Init(id, this);
    link.SetBitmaps(IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, kKeyColor);
    link.SetTextId(textId);
    link.SetAlignment(0);
    if (g_pQORTabDlg && g_pQORTabDlg->m_Product.CompareSetting(overrideOption, "1")) {
        link.ShowWindow(SW_HIDE);
        m_WebCaption.ShowWindow(SW_HIDE);
    }
}

void CQORInkPage::UpdateInkLevels(INKINFO* ink) {
    m_InkDisplay.UpdateInkLevels(ink);
}

void CQORInkPage::PaintContent(HDC dc) {
    m_InkDisplay.DrawTanks(dc);
}

bool CQORInkPage::MayLaunchWizard(WindowId slot) {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main || !PassReadinessCheck(*main))
        return false;
    // A refusal's message may have let the host close the module.
    if (g_pQORTabDlg != main)
        return false;
    if (slot == kCartVerificationSheet || slot == kTankSheet1)
        return !main->m_Slots.IsOpen(slot);
    // A topic's modeless wizard that has ended leaves its object behind: its slot is free again.
    CWnd* held = main->m_Slots.Get(slot);
    if (dynamic_cast<CQorWizardSheet*>(held) && !held->IsWindow()) {
        main->m_Slots.Delete(slot);
        held = nullptr;
    }
    return held == nullptr;
}

void CQORInkPage::LaunchWizard(WindowId slot) {
    CSpy spy;
    spy.OutputData(CString(LogName()) + "::LaunchWizard()");
    spy.OutputData(static_cast<int>(slot));
    if (!MayLaunchWizard(slot))
        return;
    spy.OutputData(CString(LogName()) + "::LaunchWizard() the wizard may start");
    CQORTabDlg* main = g_pQORTabDlg;
    switch (slot) {
    case kCartVerificationSheet:
        main->CartChangePathDetermination();
        main->OpenCartVerificationSheet(1);
        break;
    case kAlignSheet:
        main->RunAlignSheet();
        break;
    case kCleanSheet:
        main->RunCleanSheet();
        break;
    case kTankSheet1:
    case kTankSheet2:
        main->RunTankSheet(slot);
        break;
    default:
        break;
    }
}

void CQORInkPage::InstallCartridges() {
    if (!g_pQORTabDlg)
        return;
    bool tanks = g_pQORTabDlg->m_Records.ink.dwCarrierType == QOR_CARRIER_INK_TANKS;
    LaunchWizard(tanks ? kTankSheet1 : kCartVerificationSheet);
}

void CQORInkPage::AlignCartridges() {
    LaunchWizard(kAlignSheet);
}

void CQORInkPage::CleanCartridges() {
    CQORTabDlg* main = g_pQORTabDlg;
    // A printer with ink tanks is told that it cleans itself before anything is asked of it,
    // unless its connection keeps the link disabled.
    if (main && !LinksDisabled(main->m_PortInfo.dwPortType) && main->RefuseCleaningWithoutPages())
        return;
    LaunchWizard(kCleanSheet);
}

void CQORInkPage::OrderSupplies() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->OrderSupplies();
}

void CQORInkPage::OnLButtonUp(UINT, POINT) {
    m_InstallLink.ResetHover();
}

CQORInkPage* ShowInkPage(CQORTabDlg& main) {
    main.SelectPage(kInkPage);
    CQORPageSheet* sheet = main.GetPageSheet();
    return sheet ? dynamic_cast<CQORInkPage*>(sheet->GetQorPage(kInkPage)) : nullptr;
}
