// The automatic alignment wizard's result page: the carriage the printer aligns while the page
// it printed comes out. Finish (or Enter) ends the wizard; Cancel also cancels the print job of a
// cartridge change.
#pragma once

#include "AlignWizardPage.h"
#include "TransStatic.h"

class CAutoAlignementPage2 : public CAlignWizardPage {
public:
    CAutoAlignementPage2();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { FinishAlignment(false); }
    void OnCancelbutton() override { CancelAlignment(true); }

private:
    CTransStaticBmp m_Picture;
};
