// The main window's page of communication and printing settings.
#pragma once

#include "QORPage.h"

class CQORAdvancedPage : public CQORPage {
public:
    CQORAdvancedPage();
};
