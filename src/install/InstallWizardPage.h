// What the post-install wizard's pages share: the step band, a heading, a text and a picture, help
// on the printer's setup, and the sheet that moves them.
#pragma once

#include "InstallBackendWizardSheet.h"
#include "InstallStepBand.h"
#include "TransStatic.h"
#include "main/QorWizardPage.h"

class CInstallWizardPage : public CQorWizardPage {
public:
    using CQorWizardPage::CQorWizardPage;

protected:
    unsigned HelpTopic() const override;
    // The band, the heading and the text; the picture when pictureId is not 0.
    void InitInstallPage(UINT headingId, UINT textId, UINT pictureId);
    CInstallBackendWizardSheet* InstallSheet() const;
    // A box's state as the user left it; the state kept when the page was never shown.
    bool Ticked(UINT boxId, bool kept) const;
    // The printer checked before the wizard moves on; false too when the check's alert let the
    // host close the module (nothing may be touched then).
    static bool PrinterReadyToGoOn();

private:
    CInstallStepBand m_Band;
    CTransStaticBmp m_Picture;
};
