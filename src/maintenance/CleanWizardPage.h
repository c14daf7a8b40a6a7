// What every page of the clean-and-test wizard shares: help on the cartridges, the cleaning page
// printed for the cartridges fitted, and the end of the wizard (the host's session closed, then
// the main window's shutdown check with the wizard's window id).
#pragma once

#include "main/QorWizardPage.h"

class CCleanWizardPage : public CQorWizardPage {
public:
    using CQorWizardPage::CQorWizardPage;

protected:
    unsigned HelpTopic() const override;
    // Cancel, Escape and the close box end the wizard as Finish does.
    void OnCancelbutton() override { FinishCleaning(); }
    // Sends the cleaning file of the carrier's state (CBSendFile; a state without one sends
    // nothing) and shows the sheet's page `nextPage`. The readiness, session and guard are the
    // caller's.
    void PrintCleaningPage(const char* logName, int nextPage);
    void FinishCleaning();
};
