#include "TankStepsPage.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/ReadyVerdicts.h"

CTankStepsPage::CTankStepsPage() : CTankWizardPage(IDD_TANK_STEPS) {}

BOOL CTankStepsPage::OnInitDialog() {
    CTankWizardPage::OnInitDialog();
    CSpy().OutputData("CTankStepsPage::OnInitDialog()");
    SetHeading(IDC_TANK_HEADING, IDS_TANK_STEPS_HEADING);
    SetText(IDC_TANK_TEXT, IDS_TANK_STEPS);
    m_Picture.Init(IDC_TANK_PICTURE, this, IDB_TANKS_REPLACE, RGB(0, 255, 0), BITMAP_CENTERED);
    return TRUE;
}

BOOL CTankStepsPage::OnSetActive() {
    ShowNextOrFinish(!IsLastPage());
    return CTankWizardPage::OnSetActive();
}

void CTankStepsPage::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    const bool leadsOn = !IsLastPage();
    // The next page shows the tanks as the printer senses them after the change; a printer that
    // reports nothing shows the last levels known.
    if (main && leadsOn &&
        GetMaintenanceGate(main->m_PortInfo.dwPortType, main->m_bBidi) ==
            MaintenanceGate::kAskStatus) {
        CSpy().OutputData("CTankStepsPage::OnNextbutton() CBGetStatus");
        main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
        // The host may close the module while it answers.
        if (g_pQORTabDlg != main)
            return;
    }
    GoOnOrFinish(leadsOn);
}
