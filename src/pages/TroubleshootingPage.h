// The main window's page of help for the printer's states and alerts.
#pragma once

#include "QORPage.h"

class CQORTroubleshootingPage : public CQORPage {
public:
    CQORTroubleshootingPage();
};
