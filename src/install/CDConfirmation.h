// The prompt to insert the printer's setup CD before the accompanying applications are installed
// from it; the language page shows it until the right CD is in the drive or the user skips.
#pragma once

#include "SetupCdPrompt.h"

class CDConfirmation : public CSetupCdPrompt {
public:
    explicit CDConfirmation(CWnd* parent);
};
