// What every page of the cartridge wizard shares beyond the module's wizard pages: Cancel ends
// the host's session with the wizard, Help opens the cartridges' topic, the ink tanks and what
// follows the report of fitted cartridges.
#pragma once

#include "CartVerificationSheet.h"
#include "InkTank.h"
#include "main/QorWizardPage.h"
#include "qor.h"
#include "status/CartVerification.h"

class CQORTabDlg;

class CCartWizardPage : public CQorWizardPage {
public:
    using CQorWizardPage::CQorWizardPage;

protected:
    void OnCancelbutton() override;
    unsigned HelpTopic() const override;

    CCartVerificationSheet* Sheet() const;
    // Fills a cartridge list with the names of a list that the model uses, choosing selected.
    static void FillCartridgeList(HWND combo, CartridgeList list, DWORD selected);
    // The cartridge the list's choice stands for; noChoice when nothing is chosen.
    static DWORD ChosenCartridgeOf(HWND combo, CartridgeList list, DWORD noChoice);
    // Shows in a tank the ink of the cartridge chosen for a position; full when it is declared
    // new.
    static void ShowTank(CGUIInkTank& tank, DWORD chosen, const INKINFO& ink, BOOL promptNew);
    // What follows CBInstallCarts: the alignment new cartridges ask for (the held job cancelled
    // for it during a cartridge change), the notice of that job, the end of the host's session
    // and of the wizard. logName names the step's log lines. Nothing of the page is touched once
    // the host has closed the module.
    void FinishFitting(CQORTabDlg& main, bool anyNew, const char* logName);
};
