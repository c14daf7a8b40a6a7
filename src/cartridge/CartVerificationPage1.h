// The wizard's first page: how to open the printer and fit the cartridges. Printers whose
// cartridges sit under a latch get the latch's steps; the photo note shows only under print
// style 1. The all-in-one kind of the page shows the same steps for its own models.
#pragma once

#include "CartWizardPage.h"
#include "TransStatic.h"

class CCartVerificationPage1 : public CCartWizardPage {
public:
    explicit CCartVerificationPage1(bool allInOne);

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override;

private:
    bool m_bAllInOne;
    CTransStaticBmp m_PrinterPicture;
    CTransStaticBmp m_CartridgePicture;
};
