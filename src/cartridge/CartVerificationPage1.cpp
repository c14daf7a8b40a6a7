#include "CartVerificationPage1.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CCartVerificationPage1::CCartVerificationPage1(bool allInOne)
    : CCartWizardPage(IDD_CARTV_PAGE1), m_bAllInOne(allInOne) {}

BOOL CCartVerificationPage1::OnInitDialog() {
    CCartWizardPage::OnInitDialog();
    CSpy().OutputEach("CCartVerificationPage1::OnInitDialog()", static_cast<int>(m_bAllInOne));
    if (!g_pQORTabDlg)
        return TRUE;
    const NvoProduct& product = g_pQORTabDlg->m_Product;
    SetHeading(IDC_CARTV1_HEADING, IDS_CARTV1_HEADING);
    bool latch = product.CompareSetting("IDO_CARTWITHLATCH", 1);
    SetText(IDC_CARTV1_STEPS, latch ? IDS_CARTV1_STEPS_LATCH : IDS_CARTV1_STEPS);
    SetText(IDC_CARTV1_STYLE_NOTE, IDS_CARTV1_STYLE_NOTE);
    m_PrinterPicture.Init(IDC_CARTV1_PRINTER_PICTURE, this, IDB_HOME_PICTURE2);
    m_CartridgePicture.Init(IDC_CARTV1_CARTRIDGE_PICTURE, this, IDB_CART_COLOR);
    bool style1 = product.CompareSetting("IDO_PRINTSTYLE", 1);
    ShowControl(IDC_CARTV1_CARTRIDGE_PICTURE, style1);
    ShowControl(IDC_CARTV1_STYLE_NOTE, style1);
    return TRUE;
}

void CCartVerificationPage1::OnNextbutton() {
    if (CCartVerificationSheet* sheet = Sheet())
        sheet->ShowPageNumber(1);
}
