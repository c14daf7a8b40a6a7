#include "CartWizardPage.h"

#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CCartWizardPage, CPropertyPage)
ON_COMMAND(IDC_WIZARD_NEXT, OnNextbutton)
ON_COMMAND(IDC_WIZARD_BACK, OnBackbutton)
ON_COMMAND(IDC_WIZARD_CANCEL, OnCancelbutton)
ON_COMMAND(IDC_WIZARD_HELP, OnHelpbutton)
END_MESSAGE_MAP()

BOOL CCartWizardPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_HeadingFont.CreateFromStringId(IDS_POINT_SIZE_HEADING, TRUE);
    return TRUE;
}

BOOL CCartWizardPage::OnSetActive() {
    // The first page of the sheet has nowhere to go back to.
    CCartVerificationSheet* sheet = Sheet();
    GetDlgItem(IDC_WIZARD_BACK).EnableWindow(sheet && sheet->GetPageIndex(this) > 0);
    return CPropertyPage::OnSetActive();
}

CCartVerificationSheet* CCartWizardPage::Sheet() const {
    return static_cast<CCartVerificationSheet*>(GetSheet());
}

void CCartWizardPage::OnBackbutton() {
    CCartVerificationSheet* sheet = Sheet();
    if (sheet && sheet->GetPageIndex(this) > 0)
        sheet->ShowPageNumber(sheet->GetPageIndex(this) - 1);
}

void CCartWizardPage::OnCancelbutton() {
    if (CCartVerificationSheet* sheet = Sheet())
        sheet->CancelWizard();
}

void CCartWizardPage::OnHelpbutton() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->ShowHelpTopic(kHelpTopicCartridges, m_hWnd);
}

void CCartWizardPage::SetHeading(UINT controlId, UINT stringId) {
    SetText(controlId, stringId);
    ::SendDlgItemMessageA(m_hWnd, static_cast<int>(controlId), WM_SETFONT,
                          reinterpret_cast<WPARAM>(m_HeadingFont.Get()), FALSE);
}

void CCartWizardPage::SetText(UINT controlId, UINT stringId) {
    CString text;
    text.LoadString(stringId);
    SetDlgItemText(static_cast<int>(controlId), text);
}

void CCartWizardPage::ShowControl(UINT controlId, bool shown) {
    GetDlgItem(controlId).ShowWindow(shown ? SW_SHOW : SW_HIDE);
}
