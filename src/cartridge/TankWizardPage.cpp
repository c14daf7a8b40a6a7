#include "TankWizardPage.h"

#include "CSpy.h"
#include "main/HelpTopics.h"
#include "resource.h"

unsigned CTankWizardPage::HelpTopic() const {
    return kHelpTopicGeneral;
}

bool CTankWizardPage::IsLastPage() const {
    CQorWizardSheet* sheet = WizardSheet();
    return !sheet || sheet->GetPageIndex(this) + 1 >= sheet->GetPageCount();
}

void CTankWizardPage::ShowNextOrFinish(bool leadsOn) {
    SetText(IDC_WIZARD_NEXT, leadsOn ? IDS_TANK_NEXT : IDS_TANK_FINISH);
}

void CTankWizardPage::GoOnOrFinish(bool leadsOn) {
    CQorWizardSheet* sheet = WizardSheet();
    if (leadsOn && sheet)
        sheet->ShowPageNumber(sheet->GetPageIndex(this) + 1);
    else
        FinishWizard();
}

void CTankWizardPage::FinishWizard() {
    CSpy().OutputData("CTankWizardPage::FinishWizard()");
    if (CQorWizardSheet* sheet = WizardSheet())
        sheet->CloseWizard(true);
}
