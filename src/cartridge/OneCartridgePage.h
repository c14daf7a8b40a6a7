// What the pages for a single cartridge share: the cartridge fitted in position 1 chosen from a
// list, whether it is new (two choices), its picture and ink tank, and the message that says which
// cartridge a held print job needs.
#pragma once

#include "CartWizardPage.h"
#include "InkTank.h"
#include "TransStatic.h"
#include "status/CartVerification.h"

class COneCartridgePage : public CCartWizardPage {
public:
    // The cartridge chosen: 16 (invalid) without a choice, 32 for a name that matches none.
    DWORD GetChosenCartridge() const;
    // Whether the choice says the cartridge is new.
    bool SaysNew() const;

protected:
    COneCartridgePage();
    BOOL OnInitDialog() override;
    void OnChoiceChanged() { ShowChosenCartridge(); }
    DECLARE_MESSAGE_MAP()

    // The heading and the introduction of the page.
    virtual UINT HeadingText() const = 0;
    virtual UINT IntroText() const = 0;
    // Tells the user which cartridge the held job needs; the texts come from vqtrjswr.dll beside
    // the module, or from the resource module when it is missing.
    void ShowHeldJobMessage(HeldJobNeed need);

private:
    void ShowChosenCartridge();

    CGUIInkTank m_Tank;
    CTransStaticBmp m_Picture;
};
