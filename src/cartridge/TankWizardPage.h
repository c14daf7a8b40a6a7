// What the pages of the two ink-tank wizards share: help on the ink tanks, Cancel (and Escape and
// the close box) that ends the wizard as Finish does, and a Next that leads on to the wizard's
// next page or finishes, saying which on its button.
#pragma once

#include "main/QorWizardPage.h"

class CTankWizardPage : public CQorWizardPage {
public:
    using CQorWizardPage::CQorWizardPage;

protected:
    unsigned HelpTopic() const override;
    void OnCancelbutton() override { FinishWizard(); }
    bool IsLastPage() const;
    // Labels the Next button: "Next >" when it leads on, else "Finish".
    void ShowNextOrFinish(bool leadsOn);
    // Shows the wizard's next page when leadsOn, else ends the wizard.
    void GoOnOrFinish(bool leadsOn);
    // Ends the wizard; a modeless one then runs the main window's shutdown check with its window
    // id: nothing of the page is touched afterwards.
    void FinishWizard();
};
