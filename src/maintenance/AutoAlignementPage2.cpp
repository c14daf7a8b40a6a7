#include "AutoAlignementPage2.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/AlignmentPlan.h"

CAutoAlignementPage2::CAutoAlignementPage2() : CAlignWizardPage(IDD_AUTO_ALIGN_RESULT) {}

BOOL CAutoAlignementPage2::OnInitDialog() {
    CAlignWizardPage::OnInitDialog();
    CSpy().OutputData("CAutoAlignementPage2::OnInitDialog()");
    SetHeading(IDC_ALIGN_HEADING, IDS_AUTO_ALIGN_RESULT_HEADING);
    SetHeading(IDC_AUTO_ALIGN_STATE, IDS_AUTO_ALIGN_RESULT_STATE);
    SetTitle(IDC_AUTO_ALIGN_SUBHEADING, IDS_AUTO_ALIGN_RESULT_SUBHEADING);
    SetText(IDC_ALIGN_TEXT, IDS_AUTO_ALIGN_RESULT_TEXT);
    SetHeading(IDC_AUTO_ALIGN_FINISH_HINT, IDS_AUTO_ALIGN_RESULT_FINISH);
    const CQORTabDlg* main = g_pQORTabDlg;
    m_Picture.Init(IDC_ALIGN_PICTURE, this,
                   main ? AutoResultPictureOf(main->m_Records.ink) : IDB_AUTO_ALIGN_CARRIER_BOTH);
    return TRUE;
}
