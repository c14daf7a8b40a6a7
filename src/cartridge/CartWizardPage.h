// What every page of the cartridge wizard shares: a bold heading and the four wizard buttons
// (Back, Next, Cancel, Help) of its own template, which act on the page's sheet. Enter presses
// Next, Escape Cancel.
#pragma once

#include "CartVerificationSheet.h"
#include "GuiFont.h"
#include "PropertySheet.h"

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

private:
    CGUIFont m_HeadingFont;
};
