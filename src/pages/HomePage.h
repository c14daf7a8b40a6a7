// The main window's page of the printer's state, its cartridges and ink levels.
#pragma once

#include "QORPage.h"

class CQORHomePage : public CQORPage {
public:
    CQORHomePage();
};
