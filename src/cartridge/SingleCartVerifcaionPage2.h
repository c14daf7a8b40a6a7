// The verification page of printers with one cartridge position (carrier type 3): which cartridge
// is fitted and whether it is new. Next tells the host (CBInstallCarts), aligns a new cartridge
// where the wizard allows it and closes the wizard.
#pragma once

#include "OneCartridgePage.h"

class CSingleCartVerifcaionPage2 : public COneCartridgePage {
protected:
    void OnNextbutton() override;
    UINT HeadingText() const override;
    UINT IntroText() const override;
};
