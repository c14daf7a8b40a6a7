// What every wizard page of the module shares: the commands a host's test tool drives alike
// (Next and Finish 6090, Back 6002, Cancel 6000, Help 6003), a bold heading, and the texts and
// controls set from the resource module. Enter presses Next, Escape Cancel.
#pragma once

#include "GuiFont.h"
#include "PropertySheet.h"
#include "QorWizardSheet.h"

class CQorWizardPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;

    // What Enter and Escape do anywhere in the wizard.
    void PressNext() { OnNextbutton(); }
    void PressCancel() { OnCancelbutton(); }

    // A text of the resource module; empty when it is missing.
    static CString LoadText(UINT id);

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Next: each page decides where it leads.
    virtual void OnNextbutton() = 0;
    virtual void OnCancelbutton() = 0;
    // The help topic of the page's Help button.
    virtual unsigned HelpTopic() const = 0;
    void OnBackbutton();
    void OnHelpbutton();
    void OnOK() override { OnNextbutton(); }
    void OnCancel() override { OnCancelbutton(); }
    DECLARE_MESSAGE_MAP()

    CQorWizardSheet* WizardSheet() const;
    // Sets the heading's text from a string of the resource module, in bold.
    void SetHeading(UINT controlId, UINT stringId);
    // The same in the larger bold type of a page's title line.
    void SetTitle(UINT controlId, UINT stringId);
    void SetText(UINT controlId, UINT stringId);
    void ShowControl(UINT controlId, bool shown);

private:
    CGUIFont m_HeadingFont;
    CGUIFont m_TitleFont;
};
