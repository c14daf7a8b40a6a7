// The four ink tanks as the main window's records show them: each tank's level and state (ready,
// low by the model's warning threshold, empty, not sensed), and what to do. Next leads on to the
// wizard's next page (how a tank is replaced) while a tank is empty or not sensed, else finishes.
#pragma once

#include "InkDisplay.h"
#include "InkTank.h"
#include "TankWizardPage.h"

#include <array>

class CTankCheckPage : public CTankWizardPage {
public:
    CTankCheckPage();

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void OnNextbutton() override;

private:
    // Whether Next leads on from the records shown.
    bool LeadsOn() const;
    void ShowTanks();

    CGUIInkDisplay m_InkDisplay;
    // Black, cyan, magenta and yellow.
    std::array<CGUIInkTank, 4> m_Tanks;
};
