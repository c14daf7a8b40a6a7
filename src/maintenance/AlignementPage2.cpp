#include "AlignementPage2.h"

#include "resource.h"

CAlignementPage2::CAlignementPage2()
    : CAlignValuePage(IDD_ALIGN_TANK_VALUES1, AlignPage::TankValues1, IDS_ALIGN_TANK_VALUES1_TEXT) {
}

void CAlignementPage2::OnNextbutton() {
    if (!StoreValues(true))
        return;
    if (CQorWizardSheet* sheet = WizardSheet())
        sheet->ShowPageNumber(2);
}
