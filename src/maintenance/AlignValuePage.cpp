#include "AlignValuePage.h"

#include "CSpy.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "resource.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CAlignValuePage, CAlignWizardPage)
ON_COMMAND(IDC_WIZARD_BACK, OnBackToPrintedPage)
END_MESSAGE_MAP()

CAlignValuePage::CAlignValuePage(UINT templateId, AlignPage kind, UINT textId)
    : CAlignWizardPage(templateId), m_Kind(kind), m_TextId(textId) {}

BOOL CAlignValuePage::OnInitDialog() {
    CAlignWizardPage::OnInitDialog();
    SetHeading(IDC_ALIGN_HEADING, IDS_ALIGN_VALUES_HEADING);
    SetText(IDC_ALIGN_TEXT, m_TextId);
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    const INKINFO& ink = main->m_Records.ink;
    m_Values = ValuesOf(m_Kind, ink);
    for (const AlignValue& value : m_Values) {
        HWND edit = GetDlgItem(value.edit);
        ::SendMessageA(edit, EM_LIMITTEXT, 2, 0);
        HWND spin = GetDlgItem(value.spin);
        ::SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
        ::SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(value.low), value.high);
        ::SendMessageA(spin, UDM_SETPOS32, 0, StartValue(value, main->m_Records.align));
    }
    INKINFO copy = ink;
    InkCarrier carrier;
    carrier.GetCarrierState(&copy, main->m_Product);
    const UINT picture = AlignPictureOf(m_Kind, ink, carrier.m_CarrierState);
    // The ink-tank printer's pages have no cartridges to show: the printer stands for its heads.
    m_Picture.Init(IDC_ALIGN_PICTURE, this, picture ? picture : IDB_ALIGN_START_PICTURE);
    CSpy().OutputEach("CAlignValuePage::OnInitDialog()", static_cast<int>(m_Kind),
                      static_cast<int>(m_Values.size()));
    return TRUE;
}

bool CAlignValuePage::TakeValues(std::vector<int>& values) {
    values.clear();
    for (const AlignValue& value : m_Values) {
        CString text = GetDlgItemText(static_cast<int>(value.edit));
        BOOL isNumber = FALSE;
        const UINT number = ::GetDlgItemInt(m_hWnd, static_cast<int>(value.edit), &isNumber, FALSE);
        if (text.IsEmpty() || !isNumber || number < static_cast<UINT>(value.low) ||
            number > static_cast<UINT>(value.high)) {
            CString format, message;
            format.LoadString(IDS_ALIGN_VALUE_RANGE);
            message.Format(format, value.low, value.high);
            CString caption;
            caption.LoadString(IDS_ALIGN_TITLE);
            UtilMessageBox(m_hWnd, message, caption, MB_OK | MB_ICONEXCLAMATION);
            HWND edit = GetDlgItem(value.edit);
            ::SetFocus(edit);
            ::SendMessageA(edit, EM_SETSEL, 0, -1);
            return false;
        }
        values.push_back(static_cast<int>(number));
    }
    return true;
}

bool CAlignValuePage::StoreValues(bool checkReadiness) {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return false;
    if (checkReadiness && !main->IsPrinterReady())
        return false;
    // The readiness check's alert may have let the host close the module.
    if (g_pQORTabDlg != main)
        return false;
    std::vector<int> values;
    if (!TakeValues(values))
        return false;
    WriteAlignValues(m_Kind, values, main->m_Records.ink, main->m_Records.align);
    return true;
}

void CAlignValuePage::SendValues(bool checkReadiness) {
    if (StoreValues(checkReadiness))
        FinishAlignment(true);
}

void CAlignValuePage::OnBackToPrintedPage() {
    CQorWizardSheet* sheet = WizardSheet();
    if (!sheet)
        return;
    const int index = sheet->GetPageIndex(this);
    sheet->ShowPageNumber(m_Kind == AlignPage::TankValues2 && index > 0 ? index - 1 : 0);
}
