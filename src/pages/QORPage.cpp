#include "QORPage.h"

#include "Gdi.h"
#include "GuiFont.h"
#include "MemDC.h"
#include <htmlhelp.h>
#include "Operations.h"
#include "main/PrinterHelpers.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
constexpr COLORREF kTitleColor = 0x1818E7;
constexpr COLORREF kButtonTextColor = RGB(255, 255, 255);
constexpr COLORREF kLinkTextBackground = RGB(255, 255, 255);
} // namespace

BEGIN_MESSAGE_MAP(CQORPage, CPropertyPage)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_HELPINFO()
ON_COMMAND(IDC_PAGE_CLOSE, OnClosePage)
ON_COMMAND(IDC_HOME_CLOSE, OnClosePage)
ON_COMMAND(IDC_PAGE_OK, OnOkButton)
ON_COMMAND(IDC_PAGE_CANCEL_OR_HELP, OnCancelOrHelp)
ON_COMMAND(IDC_PAGE_HELP_OR_ORDER, OnHelpOrOrder)
END_MESSAGE_MAP()

CQORPage::CQORPage(UINT templateId, OrderButton order)
    : CPropertyPage(templateId), m_OrderButton(order) {}

BOOL CQORPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_Palette.Create(IDR_PALETTE);

    // Home's title has an id of its own; the other pages share one.
    UINT titleId = GetDlgItem(IDC_PAGE_TITLE).IsWindow() ? IDC_PAGE_TITLE : IDC_TAB_PAGE_TITLE;
    if (m_Title.Init(titleId, this)) {
        CString size;
        size.LoadString(IDS_POINT_SIZE_TITLE);
        m_Title.SetBold(TRUE);
        m_Title.SetPointSize(CGUIFont::PointTenthsFromText(size));
        m_Title.SetTextColor(kTitleColor);
    }

    // Close is 6043 on the first two pages and 6038 on the others.
    UINT closeId = GetDlgItem(IDC_HOME_CLOSE).IsWindow() ? IDC_HOME_CLOSE : IDC_PAGE_CLOSE;
    const UINT ids[kClosingButtons] = {closeId, IDC_PAGE_OK, IDC_PAGE_CANCEL_OR_HELP,
                                       IDC_PAGE_HELP_OR_ORDER};
    for (int index = 0; index < kClosingButtons; ++index) {
        CGUIButton& button = m_ClosingButtons[index];
        if (button.Init(ids[index], this, IDB_PAGE_BUTTON_UP, IDB_PAGE_BUTTON_DOWN, kKeyColor)) {
            button.SetOverlap(TRUE);
            button.SetTextColor(kButtonTextColor);
        }
    }
    if (HasOrderButtons()) {
        const std::pair<UINT, UINT> texts[] = {{IDC_PAGE_OK, IDS_HOME_OK},
                                               {IDC_PAGE_CANCEL_OR_HELP, IDS_HOME_CANCEL},
                                               {IDC_PAGE_HELP_OR_ORDER, IDS_HOME_ORDER}};
        CString text;
        for (const auto& [control, string] : texts)
            if (text.LoadString(string))
                SetDlgItemText(static_cast<int>(control), text);
    }
    UpdateClosingButtons();
    return TRUE;
}

BOOL CQORPage::OnSetActive() {
    UpdateClosingButtons();
    return CPropertyPage::OnSetActive();
}

void CQORPage::ShowControl(const CWindow& control, bool show) {
    if (control.IsWindow() && ((control.GetStyle() & WS_VISIBLE) != 0) != show)
        control.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

bool CQORPage::HasOrderButtons() {
    return g_pQORTabDlg &&
           g_pQORTabDlg->m_Product.CompareSetting("IDO_ORDER_INKCART_BUTTONS_OPTION", 1);
}

bool CQORPage::ShowsOkAndCancel() {
    return HasOrderButtons() || (g_pQORTabDlg && g_pQORTabDlg->m_bSettingsChanged);
}

void CQORPage::UpdateClosingButtons() {
    if (!IsWindow())
        return;
    bool unsaved = ShowsOkAndCancel();
    ShowControl(m_ClosingButtons[kClose], !unsaved);
    ShowControl(m_ClosingButtons[kOk], unsaved);
    ShowControl(m_ClosingButtons[kCancel], unsaved);
}

BOOL CQORPage::OnEraseBkgnd(HDC dc) {
    // A drawn control asking for the page under it hands in a buffer of its own already.
    if (::GetObjectType(dc) == OBJ_MEMDC) {
        PaintPage(dc);
        return TRUE;
    }
    // Only the part asked for is built.
    RECT box{};
    if (::GetClipBox(dc, &box) == NULLREGION)
        return TRUE;
    if (::IsRectEmpty(&box))
        box = GetClientRect();
    CMemDC memory(dc, box);
    PaintPage(memory);
    return TRUE;
}

void CQORPage::PaintPage(HDC dc) {
    m_Palette.Realize(dc);
    RECT client = GetClientRect();
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    PaintContent(dc);
}

HBRUSH CQORPage::OnCtlColor(HDC dc, HWND, UINT ctlColor) {
    if (ctlColor == CTLCOLOR_STATIC || ctlColor == CTLCOLOR_DLG)
        ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

void CQORPage::OnSysColorChange() {
    CClientDC dc(m_hWnd);
    m_Palette.Realize(dc);
    Invalidate();
}

BOOL CQORPage::OnHelpInfo(HELPINFO*) {
    OnHelp();
    return TRUE;
}

void CQORPage::OnClosePage() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->CloseMainWindow();
}

void CQORPage::OnSaveAndClose() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->SaveSettingsAndClose();
}

void CQORPage::OnRevertAndClose() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->RevertSettingsAndClose();
}

void CQORPage::OnHelp() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->ShowHelp();
}

void CQORPage::OnOkButton() {
    if (HasOrderButtons())
        OnClosePage();
    else
        OnSaveAndClose();
}

void CQORPage::OnCancelOrHelp() {
    if (HasOrderButtons())
        OnHelp();
    else
        OnRevertAndClose();
}

void CQORPage::OnHelpOrOrder() {
    if (!HasOrderButtons()) {
        OnHelp();
        return;
    }
    if (m_OrderButton == OrderButton::OrderDialog)
        g_pQORTabDlg->OrderSupplies();
    else
        g_pQORTabDlg->FollowSuppliesLink();
}

void CQORPage::OpenUserGuide() {
    UtilShowHelp(Owner(), DriverFolder() + "3\\vqtrma.chm", HH_DISPLAY_TOPIC, 0, 0);
}

BOOL CQORPage::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        char className[16] = {};
        ::GetClassNameA(msg->hwnd, className, sizeof className);
        if (_stricmp(className, "Button") == 0)
            msg->wParam = VK_SPACE;
    }
    return CPropertyPage::PreTranslateMessage(msg);
}

void CQORPage::InitWebLink(transbkstatic& caption, UINT captionText, CGUIUrlLink& link,
                           UINT linkText, const char* overrideOption) {
    caption.Init(IDC_PAGE_WEB_CAPTION, this);
    caption.SetTextId(captionText);
    caption.SetAlignment(ALIGN_LEFT);
    link.Init(IDC_PAGE_WEB_LINK, this);
    link.SetBitmaps(IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, kKeyColor,
                    kLinkTextBackground);
    link.SetTextId(linkText);
    link.SetAlignment(0);
    if (g_pQORTabDlg && g_pQORTabDlg->m_Product.CompareSetting(overrideOption, "1")) {
        link.ShowWindow(SW_HIDE);
        caption.ShowWindow(SW_HIDE);
    }
}
