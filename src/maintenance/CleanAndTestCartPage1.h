// The clean-and-test wizard's start page: what cleaning does and what paper to load. Print (or
// Enter) checks that the printer is free, opens the host's session, stops at an unconfirmed
// cartridge change, and prints the cleaning page of the cartridges fitted; a refused session
// leaves the page as it was, for Print again.
#pragma once

#include "CleanWizardPage.h"
#include "TransStatic.h"

class CCleanAndTestCartPage1 : public CCleanWizardPage {
public:
    CCleanAndTestCartPage1();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { OnPrintButton(); }
    void OnPrintButton();
    DECLARE_MESSAGE_MAP()

private:
    CTransStaticBmp m_PrinterPicture;
    CTransStaticBmp m_PaperPicture;
};
