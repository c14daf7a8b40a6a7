// The value page for one cartridge: one group. Finish checks the printer, sends the values and ends
// the wizard.
#pragma once

#include "AlignValuePage.h"

class CAlignementSingleCartPage2 : public CAlignValuePage {
public:
    CAlignementSingleCartPage2();

protected:
    void OnNextbutton() override { SendValues(true); }
    void OnCancelbutton() override { CancelAlignment(true); }
};
