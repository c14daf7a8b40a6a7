#include "QorWizardPage.h"

#include "QORTabDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CQorWizardPage, CPropertyPage)
ON_COMMAND(IDC_WIZARD_NEXT, OnNextbutton)
ON_COMMAND(IDC_WIZARD_BACK, OnBackbutton)
ON_COMMAND(IDC_WIZARD_CANCEL, OnCancelbutton)
ON_COMMAND(IDC_WIZARD_HELP, OnHelpbutton)
END_MESSAGE_MAP()

BOOL CQorWizardPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_HeadingFont.CreateFromStringId(IDS_POINT_SIZE_HEADING, TRUE);
    m_TitleFont.CreateFromStringId(IDS_POINT_SIZE_TITLE, TRUE);
    return TRUE;
}

BOOL CQorWizardPage::OnSetActive() {
    // The first page of the sheet has nowhere to go back to.
    CQorWizardSheet* sheet = WizardSheet();
    GetDlgItem(IDC_WIZARD_BACK).EnableWindow(sheet && sheet->GetPageIndex(this) > 0);
    return CPropertyPage::OnSetActive();
}

CQorWizardSheet* CQorWizardPage::WizardSheet() const {
    return dynamic_cast<CQorWizardSheet*>(GetSheet());
}

void CQorWizardPage::OnBackbutton() {
    CQorWizardSheet* sheet = WizardSheet();
    if (sheet && sheet->GetPageIndex(this) > 0)
        sheet->ShowPageNumber(sheet->GetPageIndex(this) - 1);
}

void CQorWizardPage::OnHelpbutton() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->ShowHelpTopic(HelpTopic(), m_hWnd);
}

void CQorWizardPage::SetHeading(UINT controlId, UINT stringId) {
    SetText(controlId, stringId);
    ::SendDlgItemMessageA(m_hWnd, static_cast<int>(controlId), WM_SETFONT,
                          reinterpret_cast<WPARAM>(m_HeadingFont.Get()), FALSE);
}

void CQorWizardPage::SetTitle(UINT controlId, UINT stringId) {
    SetText(controlId, stringId);
    ::SendDlgItemMessageA(m_hWnd, static_cast<int>(controlId), WM_SETFONT,
                          reinterpret_cast<WPARAM>(m_TitleFont.Get()), FALSE);
}

CString CQorWizardPage::LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

void CQorWizardPage::SetText(UINT controlId, UINT stringId) {
    SetDlgItemText(static_cast<int>(controlId), LoadText(stringId));
}

void CQorWizardPage::ShowControl(UINT controlId, bool shown) {
    GetDlgItem(controlId).ShowWindow(shown ? SW_SHOW : SW_HIDE);
}
