// The second page for models whose cartridges the printer names itself
// (IDO_SPECIFY_CARTRIDGE_INFO): where to find a cartridge's number, and nothing to send. Finish
// ends the host's session and the wizard; Back leads to the instructions where the wizard was
// opened with them.
#pragma once

#include "CartWizardPage.h"
#include "TransStatic.h"

class CCartInformation : public CCartWizardPage {
public:
    // canGoBack: the wizard's start flag, which allows Back.
    explicit CCartInformation(bool canGoBack);

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void OnNextbutton() override;

private:
    bool m_bCanGoBack;
    CTransStaticBmp m_PrinterPicture;
    CTransStaticBmp m_LabelPicture;
};
