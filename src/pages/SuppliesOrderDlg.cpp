#include "SuppliesOrderDlg.h"

#include "CSpy.h"
#include "Operations.h"
#include "Registry.h"
#include "ServiceTagDlg.h"
#include "host/QorModule.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
constexpr COLORREF kKeyColor = RGB(0, 255, 0);
// The order link's text starts beside its badge, as on the Ink Cartridge page.
constexpr int kLinkTextLeft = 55;
constexpr int kLinkTextTop = 10;
constexpr int kTitlePointTenths = 120;
// The platform on which a file link is followed as the user's browser opens files.
constexpr DWORD kFileLinkPlatform = 10;
constexpr const char* kSuppliesNumbersPage = "vqtrsply.htm";
} // namespace

void OpenSuppliesNumbersPage(const CString& moduleFolder, HWND owner) {
    const CString page = moduleFolder + kSuppliesNumbersPage;
    CSpy spy;
    spy.OutputEach("OpenSuppliesNumbersPage()", page);
    if (CRegistry::GetOSPlatform() == kFileLinkPlatform)
        CGUILink::FollowFileLink(page, owner);
    else
        UtilShellOpen(owner, page, "open", SW_SHOW);
}

BEGIN_MESSAGE_MAP(CSuppliesOrderDlg, CDialog)
ON_COMMAND(IDC_SUPPLIES_ONLINE_LINK, OnOrderOnline)
ON_COMMAND(IDC_SUPPLIES_RESELLER_LINK, OnReseller)
ON_COMMAND(IDC_SUPPLIES_NUMBERS_BUTTON, OnSuppliesNumbers)
ON_COMMAND(IDC_WIZARD_CANCEL, OnCancel)
ON_COMMAND(IDC_WIZARD_HELP, OnHelpButton)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CSuppliesOrderDlg::CSuppliesOrderDlg(CQORTabDlg& main, CWnd* parent)
    : CDialog(IDD_SUPPLIES_ORDER, parent), m_Main(main) {}

BOOL CSuppliesOrderDlg::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CSuppliesOrderDlg::OnInitDialog()");
    CDialog::OnInitDialog();
    m_strModuleFolder = ModuleFolder().c_str();
    CString caption;
    caption.LoadString(IDS_SUPPLIES_CAPTION);
    SetWindowText(m_Main.m_strPrinterName + " - " + caption);
    if (m_TitleFont.CreateFont(kTitlePointTenths, TRUE))
        GetDlgItem(IDC_SUPPLIES_TITLE).SetFont(m_TitleFont);
    m_Picture.Init(IDC_SUPPLIES_PICTURE, this, IDB_CART_BLACK, kKeyColor, BITMAP_CENTERED);

    if (m_OnlineLink.Init(IDC_SUPPLIES_ONLINE_LINK, this)) {
        m_OnlineLink.SetBitmaps(IDB_INK_LINK_ORDER, IDB_INK_LINK_ORDER_HOVER, 0, kKeyColor);
        m_OnlineLink.SetTextOffset(kLinkTextLeft, kLinkTextTop);
    }
    if (m_ResellerLink.Init(IDC_SUPPLIES_RESELLER_LINK, this))
        m_ResellerLink.SetBitmaps(IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK,
                                  kKeyColor);

    const NvoProduct& options = m_Main.m_Product;
    if (options.CompareSetting("IDO_SUPPLIES_URL_OVERRIDE", "1"))
        HideControls({IDC_SUPPLIES_ONLINE_LABEL, IDC_SUPPLIES_ONLINE_LINK});
    if (options.CompareSetting("IDO_RESELLER_URL_OVERRIDE", "1"))
        HideControls({IDC_SUPPLIES_RESELLER_LABEL, IDC_SUPPLIES_RESELLER_LINK});
    if (options.CompareSetting("IDO_CONTACT_SUPPLIES_NUMBERS_BUTTON", 0))
        HideControls({IDC_SUPPLIES_NUMBERS_LABEL, IDC_SUPPLIES_NUMBERS_BUTTON});
    return TRUE;
}

void CSuppliesOrderDlg::HideControls(std::initializer_list<UINT> controls) {
    for (UINT control : controls)
        GetDlgItem(static_cast<int>(control)).ShowWindow(SW_HIDE);
}

void CSuppliesOrderDlg::OnOrderOnline() {
    m_OnlineLink.FollowLink("IDO_SUPPLIES_SUBURL", &m_Main.m_Records.ink, TRUE);
}

void CSuppliesOrderDlg::OnReseller() {
    m_ResellerLink.FollowLink("IDO_RESELLER_SUBURL", TRUE);
}

void CSuppliesOrderDlg::OnSuppliesNumbers() {
    OpenSuppliesNumbersPage(m_strModuleFolder, m_hWnd);
}

void CSuppliesOrderDlg::OnHelpButton() {
    // Ordering is explained with the Contact Information page.
    m_Main.ShowHelpTopic(kPageHelpTopics[kContactInfoPage], m_hWnd);
}

void CSuppliesOrderDlg::Close(INT_PTR result) {
    CQORTabDlg& main = m_Main;
    EndDialog(result);
    // The last window of the module closes it; nothing of this dialog is touched afterwards.
    main.Shutdown(kSuppliesDialog);
}

HBRUSH CSuppliesOrderDlg::OnCtlColor(HDC dc, HWND, UINT ctlColor) {
    return WhiteSheetBrush(dc, ctlColor);
}
