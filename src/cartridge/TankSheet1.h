// The wizard that replaces an ink tank (window id 9): how a tank is replaced, then the tanks the
// printer now senses. Opened by the Ink Tanks page's install link and by topics 206, 209, 212.
#pragma once

#include "main/QorWizardSheet.h"

class CQORTankSheet1 : public CQorWizardSheet {
public:
    explicit CQORTankSheet1(CWnd* parent = nullptr);
};
