// The wizard that checks the ink tanks (window id 6): each tank's level and state, then, while a
// tank is empty or not sensed, how a tank is replaced. Opened by the Ink Tanks page's link and by
// topics 216 and 221.
#pragma once

#include "main/QorWizardSheet.h"

class CQORTankSheet2 : public CQorWizardSheet {
public:
    explicit CQORTankSheet2(CWnd* parent = nullptr);
};
