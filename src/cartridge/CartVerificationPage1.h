// The wizard's first page: how to open the printer and fit the cartridges. Printers whose
// cartridges sit under a latch get the latch's steps; the photo note shows only under print
// style 1.
#pragma once

#include "CartWizardPage.h"
#include "NvoProduct.h"
#include "TransStatic.h"

class CCartVerificationPage1 : public CCartWizardPage {
public:
    CCartVerificationPage1();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override;
    // The heading and the steps this kind of page gives for the model.
    virtual UINT HeadingText(const NvoProduct& product) const;
    virtual UINT StepsText(const NvoProduct& product) const;

private:
    CTransStaticBmp m_PrinterPicture;
    CTransStaticBmp m_CartridgePicture;
};
