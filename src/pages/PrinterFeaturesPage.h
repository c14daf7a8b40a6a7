// The main window's page of how-to help for the printer's features.
#pragma once

#include "QORPage.h"

class CQORPrinterFeaturesPage : public CQORPage {
public:
    CQORPrinterFeaturesPage();

    // Gives the keyboard focus to how-to list 1, 2 or 3 and opens it (topics 106 to 108).
    void OpenFeatureList(int list);
};
