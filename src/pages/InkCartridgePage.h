// The main window's page of ink levels and cartridge maintenance.
#pragma once

#include "QORPage.h"

class CQORInkCartridgePage : public CQORPage {
public:
    CQORInkCartridgePage();
};
