// The main window's page of ink levels and maintenance of an ink-tank printer.
#pragma once

#include "QORPage.h"

class CQORInkTanksPage : public CQORPage {
public:
    CQORInkTanksPage();
};
