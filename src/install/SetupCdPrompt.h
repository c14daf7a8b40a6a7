// What both setup CD prompts share: a title, a text, and two drawn buttons: OK (control 6000, or
// Enter) when the CD is in the drive, and Skip (or Escape), the way out for a user without the
// CD, which would otherwise be asked again for ever. The run's result is 1 for OK, kSkipped for
// Skip.
#pragma once

#include "Dialog.h"
#include "GuiButton.h"
#include "GuiFont.h"

class CSetupCdPrompt : public CDialog {
public:
    static constexpr INT_PTR kSkipped = 0;

protected:
    CSetupCdPrompt(UINT titleId, UINT textId, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override { OnContinue(); }
    void OnCancel() override { OnSkip(); }
    // OK: the prompt ends with 1; a prompt that looks at the CD first says so.
    virtual void OnContinue() { EndDialog(1); }
    void OnSkip() { EndDialog(kSkipped); }
    DECLARE_MESSAGE_MAP()

private:
    UINT m_titleId;
    UINT m_textId;
    CGUIFont m_HeadingFont;
    CGUIButton m_ContinueButton;
    CGUIButton m_SkipButton;
};
