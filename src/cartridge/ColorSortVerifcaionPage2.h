// The page that asks for the kind of cartridge a held print job needs (colour for one topic,
// black for the other). Next tells the host which cartridge is fitted, checks it against the job
// and, when it suits, aligns a new cartridge and lets the job go on (CBResumeJob). The main window
// stays open.
#pragma once

#include "OneCartridgePage.h"

class CColorSortVerifcaionPage2 : public COneCartridgePage {
protected:
    void OnNextbutton() override;
    UINT HeadingText() const override;
    UINT IntroText() const override;

private:
    HeldJobNeed Need() const;
};
