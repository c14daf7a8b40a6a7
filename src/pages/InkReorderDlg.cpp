#include "InkReorderDlg.h"

#include "CSpy.h"
#include "OrderPhoneNumber.h"
#include "ServiceTagDlg.h"
#include "main/HelpTopics.h"
#include "main/LowInkThresholds.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
constexpr COLORREF kWarningColor = RGB(255, 0, 0);
constexpr COLORREF kKeyColor = RGB(0, 255, 0);
// The order link's text starts beside its badge, as on the Ink Cartridge page.
constexpr int kLinkTextLeft = 55;
constexpr int kLinkTextTop = 10;
// The title's point size is its size string's number times 12, in tenths of a point.
constexpr int kTitleSizeFactor = 12;

int TitlePointTenths() {
    CString size;
    size.LoadString(IDS_LOWINK_TITLE_SIZE);
    const int number = CGUIFont::PointTenthsFromText(size) / 10;
    return number > 0 ? number * kTitleSizeFactor : CGUIFont::kDefaultPointTenths;
}
} // namespace

BEGIN_MESSAGE_MAP(CInkReorderDlg, CDialog)
ON_COMMAND(IDC_WIZARD_NEXT, OnOK)
ON_COMMAND(IDC_WIZARD_CANCEL, OnCancel)
ON_COMMAND(IDC_WIZARD_HELP, OnHelpButton)
ON_COMMAND(IDC_LOWINK_ORDER_LINK, OnOrderLink)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CInkReorderDlg::CInkReorderDlg(CQORTabDlg& main, CWnd* parent)
    : CDialog(IDD_INK_REORDER, parent), m_Main(main) {}

BOOL CInkReorderDlg::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CInkReorderDlg::OnInitDialog()");
    CDialog::OnInitDialog();
    m_Picture.Init(IDC_LOWINK_PICTURE, this, IDB_LOWINK_PICTURE, kKeyColor);
    CString caption;
    caption.LoadString(IDS_LOWINK_CAPTION);
    SetWindowText(m_Main.m_strPrinterName + caption);

    CString title;
    title.LoadString(IDS_LOWINK_TITLE);
    SetDlgItemText(IDC_LOWINK_TITLE, title);
    if (m_TitleFont.CreateFont(TitlePointTenths(), TRUE))
        GetDlgItem(IDC_LOWINK_TITLE).SetFont(m_TitleFont);

    m_Warning = ChooseLowInkText(m_Main.m_Records.ink, ReadLowInkThresholds(m_Main.m_Registry));
    spy.OutputData(static_cast<int>(m_Warning));
    CString warning;
    if (m_Warning != LowInkText::None)
        warning.LoadString(LowInkTextId(m_Warning));
    SetDlgItemText(IDC_LOWINK_WARNING, warning);

    if (m_OrderLink.Init(IDC_LOWINK_ORDER_LINK, this)) {
        m_OrderLink.SetBitmaps(IDB_INK_LINK_ORDER, IDB_INK_LINK_ORDER_HOVER, 0, kKeyColor);
        m_OrderLink.SetTextOffset(kLinkTextLeft, kLinkTextTop);
    }

    CString phone = ReadOrderPhoneNumber(m_Main.m_Product);
    if (phone.IsEmpty())
        phone.LoadString(IDS_LOWINK_PHONE_MISSING);
    SetDlgItemText(IDC_LOWINK_PHONE, phone);

    ::SendDlgItemMessageA(m_hWnd, IDC_LOWINK_SERVICE_TAG, EM_LIMITTEXT, kMaxServiceTagLength, 0);
    SetDlgItemText(IDC_LOWINK_SERVICE_TAG, StoredServiceTag(m_Main));
    return TRUE;
}

void CInkReorderDlg::OnOrderLink() {
    CSpy spy;
    spy.OutputData("CInkReorderDlg::OnOrderLink()");
    CQORTabDlg& main = m_Main;
    const ServiceTagVerdict verdict = StoreServiceTag(main, GetDlgItemText(IDC_LOWINK_SERVICE_TAG));
    // Without a value name no tag can be kept: asking for one would lead nowhere.
    if (verdict != ServiceTagVerdict::Store && verdict != ServiceTagVerdict::NoValueName) {
        if (main.m_Slots.Get(kServiceTagDialog))
            return;
        const INT_PTR result = main.RunServiceTagDialog(this);
        // The host may have closed the module while the dialog was up.
        if (g_pQORTabDlg != &main)
            return;
        SetDlgItemText(IDC_LOWINK_SERVICE_TAG, StoredServiceTag(main));
        if (result != IDOK)
            return;
    }
    main.FollowSuppliesLink();
}

void CInkReorderDlg::OnHelpButton() {
    m_Main.ShowHelpTopic(kHelpTopicGeneral, m_hWnd);
}

void CInkReorderDlg::Close(INT_PTR result) {
    StoreServiceTag(m_Main, GetDlgItemText(IDC_LOWINK_SERVICE_TAG));
    CQORTabDlg& main = m_Main;
    EndDialog(result);
    // The last window of the module closes it; nothing of this dialog is touched afterwards.
    main.Shutdown(kLowInkDialog);
}

HBRUSH CInkReorderDlg::OnCtlColor(HDC dc, HWND control, UINT ctlColor) {
    if (::GetDlgCtrlID(control) == IDC_LOWINK_WARNING)
        ::SetTextColor(dc, kWarningColor);
    return WhiteSheetBrush(dc, ctlColor);
}
