#include "CleanRollersDlg.h"

#include "CSpy.h"
#include "main/DialogHeading.h"
#include "main/QORTabDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CCleanRollersDlg, CDialog)
ON_COMMAND(IDC_ROLLERS_CLOSE, OnCloseButton)
END_MESSAGE_MAP()

CCleanRollersDlg::CCleanRollersDlg(CWnd* parent) : CDialog(IDD_CLEAN_ROLLERS, parent) {}

RollerOptions CCleanRollersDlg::OptionsOf(const NvoProduct& product) {
    return {product.CompareSetting("IDO_MANUALFEED_PAPEROUT", 1) != 0,
            product.CompareSetting("IDO_SELECT_BUTTON", 1) != 0,
            product.CompareSetting("IDO_CLEANROLLER_STEP4", 0) != 0};
}

BOOL CCleanRollersDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CSpy().OutputData("CCleanRollersDlg::OnInitDialog()");
    SetTitleAndHeading(*this, IDS_ROLLERS_TITLE, IDC_ROLLERS_HEADING, m_HeadingFont);
    CString text;
    const UINT texts[][2] = {{IDC_ROLLERS_INTRO, IDS_ROLLERS_INTRO},
                             {IDC_ROLLERS_NEED, IDS_ROLLERS_NEED},
                             {IDC_ROLLERS_STEPS, IDS_ROLLERS_STEPS},
                             {IDC_ROLLERS_CLOSE, IDS_ROLLERS_CLOSE}};
    for (const auto& [control, string] : texts) {
        text.LoadString(string);
        SetDlgItemText(static_cast<int>(control), text);
    }
    const RollerOptions options =
        g_pQORTabDlg ? OptionsOf(g_pQORTabDlg->m_Product) : RollerOptions{};
    const RollerSteps steps = CleanRollerSteps(options);
    const UINT stepControls[] = {IDC_ROLLERS_STEP1, IDC_ROLLERS_STEP2, IDC_ROLLERS_STEP3,
                                 IDC_ROLLERS_STEP4};
    for (size_t index = 0; index < steps.size(); ++index) {
        text.LoadString(steps[index].textId);
        SetDlgItemText(static_cast<int>(stepControls[index]), text);
        GetDlgItem(static_cast<int>(stepControls[index]))
            .ShowWindow(steps[index].shown ? SW_SHOW : SW_HIDE);
    }
    const UINT pictures[][2] = {{IDC_ROLLERS_PRINTER_PICTURE, IDB_ROLLERS_PRINTER},
                                {IDC_ROLLERS_PAPER_PICTURE, IDB_ROLLERS_PAPER},
                                {IDC_ROLLERS_CLOTH_PICTURE, IDB_ROLLERS_CLOTH}};
    for (size_t index = 0; index < m_Pictures.size(); ++index)
        m_Pictures[index].Init(pictures[index][0], this, pictures[index][1]);
    return TRUE;
}
