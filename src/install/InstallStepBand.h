// The band across the top of every post-install page: the numbered steps of the wizard and their
// names, in reading order (right to left for the Hebrew and Arabic resource languages), with the
// registration step left out where the model hides registration, or named the end of the
// two-step wizard.
#pragma once

#include "TransStatic.h"

class CInstallStepBand {
public:
    // Lays the band out on a page that has the band's controls.
    void Init(CWnd* page);

    // Whether the resource language reads right to left.
    static bool RightToLeft();
    // Whether the model hides registration (IDO_REGISTRATION_URL_OVERRIDE is "1").
    static bool RegistrationHidden();
    // Whether the model has the two-step wizard, whose last step is its closing page.
    static bool TwoStep();

private:
    CTransStaticBmp m_Header;
};
