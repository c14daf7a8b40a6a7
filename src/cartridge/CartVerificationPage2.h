// The wizard's verification page: for each carrier position what the printer senses, which
// cartridge is fitted and whether it is new. Next tells the host (CBInstallCarts) and closes the
// wizard. Under print-head format 2 the positions change places on screen, not their data.
#pragma once

#include "CartWizardPage.h"
#include "TransStatic.h"
#include "InkTank.h"
#include "status/InkCarrier.h"

class CCartVerificationPage2 : public CCartWizardPage {
public:
    CCartVerificationPage2();

    // The controls of a position where it is shown on screen.
    struct PositionControls {
        UINT label, attentionIcon, attentionText, picture, tank, cartridge, age;
    };

    // The cartridge chosen for a position (1 or 2) by the name shown; 32 without a choice.
    DWORD GetChosenCartridge(int position) const;
    // Whether a position's old/new choice says new.
    bool SaysNew(int position) const;
    // Fills a side's old/new choice and chooses "new" for a low or unusable cartridge. Side 1 is
    // position 2, side 2 position 1.
    void InitalizeOldNewComboDefaults(int side);

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override;
    void OnCartridgeChosen1() { ShowChosenCartridge(1); }
    void OnCartridgeChosen2() { ShowChosenCartridge(2); }
    DECLARE_MESSAGE_MAP()

private:
    const PositionControls& ControlsOf(int position) const;
    void SetUpSides();
    void ShowChosenCartridge(int position);
    void ShowMessage(UINT textId, UINT captionId);

    InkCarrier m_Carrier;
    CGUIInkTank m_Tanks[2];
    CTransStaticBmp m_Pictures[2];
    bool m_bSwapped = false;
};
