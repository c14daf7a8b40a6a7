#include "InstallBackendPage2.h"

#include "CSpy.h"
#include "InstallBackendWizardSheet.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CInstallBackendPage2::CInstallBackendPage2()
    : CAlignValuePage(IDD_INSTALL_PAGE2, AlignPage::TankValues1, IDS_INSTALL_PAGE2_TEXT) {}

BOOL CInstallBackendPage2::OnInitDialog() {
    CAlignValuePage::OnInitDialog();
    m_Band.Init(this);
    SetTitle(IDC_ALIGN_HEADING, IDS_INSTALL_PAGE2_HEADING);
    return TRUE;
}

void CInstallBackendPage2::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    auto* sheet = dynamic_cast<CInstallBackendWizardSheet*>(GetSheet());
    if (!main || !sheet)
        return;
    const BOOL ready = main->IsPrinterReady();
    if (g_pQORTabDlg != main || !ready)
        return;
    std::vector<int> values;
    if (!TakeValues(values))
        return;
    PlaceInstallAlignValues(values, main->m_Records.align);
    CSpy spy;
    spy.OutputData("CInstallBackendPage2::OnContinueButton() CBSendAlignment");
    main->DoCallback(CBSendAlignment, &main->m_Records.align, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    sheet->RunApplicationStep(*this, SilentInstallRule::Page1);
}

void CInstallBackendPage2::OnCancelbutton() {
    if (auto* sheet = dynamic_cast<CInstallBackendWizardSheet*>(GetSheet()))
        sheet->RunClosingSequence(CInstallBackendWizardSheet::kStandardClosing);
}
