#include "CartVerificationPage1.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CCartVerificationPage1::CCartVerificationPage1() : CCartWizardPage(IDD_CARTV_PAGE1) {}

UINT CCartVerificationPage1::HeadingText(const NvoProduct&) const {
    return IDS_CARTV1_HEADING;
}

UINT CCartVerificationPage1::StepsText(const NvoProduct& product) const {
    return product.CompareSetting("IDO_CARTWITHLATCH", 1) ? IDS_CARTV1_STEPS_LATCH
                                                          : IDS_CARTV1_STEPS;
}

BOOL CCartVerificationPage1::OnInitDialog() {
    CCartWizardPage::OnInitDialog();
    CSpy().OutputData("CCartVerificationPage1::OnInitDialog()");
    if (!g_pQORTabDlg)
        return TRUE;
    const NvoProduct& product = g_pQORTabDlg->m_Product;
    SetHeading(IDC_CARTV1_HEADING, HeadingText(product));
    SetText(IDC_CARTV1_STEPS, StepsText(product));
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
