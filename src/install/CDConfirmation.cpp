#include "CDConfirmation.h"

#include "resource.h"

CDConfirmation::CDConfirmation(CWnd* parent)
    : CSetupCdPrompt(IDS_CD_CONFIRMATION_TITLE, IDS_CD_CONFIRMATION_TEXT, parent) {}
