#include "TankSheet1.h"

#include "TankCheckPage.h"
#include "TankStepsPage.h"
#include "resource.h"

CQORTankSheet1::CQORTankSheet1(CWnd* parent)
    : CQorWizardSheet(kTankSheet1, IDS_TANK_REPLACE_TITLE, parent) {
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    pages.push_back(std::make_unique<CTankStepsPage>());
    pages.push_back(std::make_unique<CTankCheckPage>());
    TakePages(std::move(pages));
}
