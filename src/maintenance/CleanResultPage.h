// What the clean-and-test wizard's two result pages share: the pattern the printed page should
// show for the cartridges fitted, the instructions (with or without the lines that describe the
// printed ramps, by the model) and Finish, which ends the wizard.
#pragma once

#include "CleanWizardPage.h"
#include "TransStatic.h"
#include "status/InkCarrier.h"

class CCleanResultPage : public CCleanWizardPage {
public:
    CCleanResultPage(UINT templateId, UINT headingId);

    // The pattern shown, once the page has been made.
    UINT PatternBitmap() const { return m_PatternBitmap; }

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { FinishCleaning(); }
    DECLARE_MESSAGE_MAP()

private:
    UINT m_HeadingId;
    UINT m_PatternBitmap = 0;
    InkCarrier m_Carrier;
    CTransStaticBmp m_PatternPicture;
    CTransStaticBmp m_PaperPicture;
};
