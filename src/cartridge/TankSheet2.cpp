#include "TankSheet2.h"

#include "TankCheckPage.h"
#include "TankStepsPage.h"
#include "resource.h"

CQORTankSheet2::CQORTankSheet2(CWnd* parent)
    : CQorWizardSheet(kTankSheet2, IDS_TANK_CHECK_TITLE, parent) {
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    pages.push_back(std::make_unique<CTankCheckPage>());
    pages.push_back(std::make_unique<CTankStepsPage>());
    TakePages(std::move(pages));
}
