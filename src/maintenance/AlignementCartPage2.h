// The value page for two cartridges, colour and black: four groups. Finish checks the printer,
// sends the values and ends the wizard.
#pragma once

#include "AlignValuePage.h"

class CAlignementCartPage2 : public CAlignValuePage {
public:
    CAlignementCartPage2();

protected:
    void OnNextbutton() override { SendValues(true); }
    void OnCancelbutton() override { CancelAlignment(true); }
};
