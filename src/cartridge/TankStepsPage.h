// How an ink tank is replaced, step by step beside a picture. Next asks the printer for the tanks
// it now senses and shows them on the wizard's next page; as the wizard's last page it finishes.
#pragma once

#include "TankWizardPage.h"
#include "TransStatic.h"

class CTankStepsPage : public CTankWizardPage {
public:
    CTankStepsPage();

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void OnNextbutton() override;

private:
    CTransStaticBmp m_Picture;
};
