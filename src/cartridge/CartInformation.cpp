#include "CartInformation.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CCartInformation::CCartInformation(bool canGoBack)
    : CCartWizardPage(IDD_CARTV_INFORMATION), m_bCanGoBack(canGoBack) {}

BOOL CCartInformation::OnInitDialog() {
    CCartWizardPage::OnInitDialog();
    CSpy().OutputEach("CCartInformation::OnInitDialog()", static_cast<int>(m_bCanGoBack));
    SetHeading(IDC_CARTINFO_HEADING, IDS_CARTINFO_HEADING);
    SetHeading(IDC_CARTINFO_SUBHEADING, IDS_CARTINFO_SUBHEADING);
    SetText(IDC_CARTINFO_TEXT, IDS_CARTINFO_TEXT);
    m_PrinterPicture.Init(IDC_CARTINFO_PICTURE1, this, IDB_HOME_PICTURE2);
    m_LabelPicture.Init(IDC_CARTINFO_PICTURE2, this, IDB_CART_LABEL_LEFT);
    return TRUE;
}

BOOL CCartInformation::OnSetActive() {
    BOOL result = CCartWizardPage::OnSetActive();
    CCartVerificationSheet* sheet = Sheet();
    GetDlgItem(IDC_WIZARD_BACK)
        .EnableWindow(m_bCanGoBack && sheet && sheet->GetPageIndex(this) > 0);
    return result;
}

void CCartInformation::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CCartVerificationSheet* sheet = Sheet();
    if (!main || !sheet)
        return;
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    // The host may close the module while it answers.
    if (g_pQORTabDlg != main)
        return;
    sheet->CloseWizard(true);
}
