#include "ServiceTagDlg.h"

#include "CSpy.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
CString ServiceTagValueName(const CQORTabDlg& main) {
    CString name;
    main.m_Product.GetSetting("IDO_KEY_NAME_SERVICETAG", name);
    return name;
}
} // namespace

ServiceTagVerdict StoreServiceTag(CQORTabDlg& main, const char* typed) {
    const CString valueName = ServiceTagValueName(main);
    const CString tag = TrimmedServiceTag(typed);
    const ServiceTagVerdict verdict = CheckServiceTag(tag, valueName);
    CSpy spy;
    spy.OutputEach("StoreServiceTag()", static_cast<int>(verdict));
    if (verdict == ServiceTagVerdict::Store && main.ReadRegValueFromModel(valueName) != tag)
        main.WriteRegValueToModel(valueName, tag);
    return verdict;
}

CString StoredServiceTag(CQORTabDlg& main) {
    const CString valueName = ServiceTagValueName(main);
    return valueName.IsEmpty() ? CString() : main.ReadRegValueFromModel(valueName);
}

HBRUSH WhiteSheetBrush(HDC dc, UINT ctlColor) {
    if (ctlColor == CTLCOLOR_EDIT)
        return nullptr;
    ::SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

BEGIN_MESSAGE_MAP(CServiceTagDlg, CDialog)
ON_COMMAND(IDC_WIZARD_NEXT, OnOK)
ON_COMMAND(IDC_WIZARD_CANCEL, OnCancel)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CServiceTagDlg::CServiceTagDlg(CQORTabDlg& main, CWnd* parent)
    : CDialog(IDD_SERVICE_TAG, parent), m_Main(main) {}

BOOL CServiceTagDlg::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CServiceTagDlg::OnInitDialog()");
    CDialog::OnInitDialog();
    m_Picture.Init(IDC_SERVICE_TAG_PICTURE, this, IDB_SERVICE_TAG_PICTURE);
    ::SendDlgItemMessageA(m_hWnd, IDC_SERVICE_TAG_EDIT, EM_LIMITTEXT, kMaxServiceTagLength, 0);
    return TRUE;
}

void CServiceTagDlg::OnOK() {
    const ServiceTagVerdict verdict = StoreServiceTag(m_Main, GetDlgItemText(IDC_SERVICE_TAG_EDIT));
    if (verdict == ServiceTagVerdict::Empty || verdict == ServiceTagVerdict::ValueName ||
        verdict == ServiceTagVerdict::TooLong) {
        CString text, caption;
        text.LoadString(verdict == ServiceTagVerdict::TooLong ? IDS_SERVICE_TAG_TOO_LONG
                                                              : IDS_SERVICE_TAG_EMPTY);
        caption.LoadString(IDS_SERVICE_TAG_CAPTION);
        UtilMessageBox(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_SERVICE_TAG_EDIT));
        return;
    }
    CQORTabDlg& main = m_Main;
    EndDialog(IDOK);
    main.Shutdown(kServiceTagDialog);
}
