// What every page of the cartridge wizard shares: a bold heading and the four wizard buttons
// (Back, Next, Cancel, Help) of its own template, which act on the page's sheet. Enter presses
// Next, Escape Cancel.
#pragma once

#include "CartVerificationSheet.h"
#include "GuiFont.h"
#include "InkTank.h"
#include "PropertySheet.h"
#include "qor.h"

class CQORTabDlg;

class CCartWizardPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;

    // What Enter does anywhere in the wizard.
    void PressNext() { OnNextbutton(); }

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Next: each page decides where it leads.
    virtual void OnNextbutton() = 0;
    void OnBackbutton();
    void OnCancelbutton();
    void OnHelpbutton();
    void OnOK() override { OnNextbutton(); }
    void OnCancel() override { OnCancelbutton(); }
    DECLARE_MESSAGE_MAP()

    CCartVerificationSheet* Sheet() const;
    // Sets the heading's text from a string of the resource module, in bold.
    void SetHeading(UINT controlId, UINT stringId);
    void SetText(UINT controlId, UINT stringId);
    void ShowControl(UINT controlId, bool shown);
    // Shows in a tank the ink of the cartridge chosen for a position; full when it is declared
    // new.
    static void ShowTank(CGUIInkTank& tank, DWORD chosen, const INKINFO& ink, BOOL promptNew);
    // What follows CBInstallCarts: the alignment new cartridges ask for (the held job cancelled
    // for it during a cartridge change), the notice of that job, the end of the host's session
    // and of the wizard. logName names the step's log lines. Nothing of the page is touched once
    // the host has closed the module.
    void FinishFitting(CQORTabDlg& main, bool anyNew, const char* logName);

private:
    CGUIFont m_HeadingFont;
};
