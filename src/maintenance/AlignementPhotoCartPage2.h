// The value page for a colour and a photo cartridge: four groups. Finish checks the printer, sends
// the values and ends the wizard.
#pragma once

#include "AlignValuePage.h"

class CAlignementPhotoCartPage2 : public CAlignValuePage {
public:
    CAlignementPhotoCartPage2();

protected:
    void OnNextbutton() override { SendValues(true); }
    void OnCancelbutton() override { CancelAlignment(true); }
};
