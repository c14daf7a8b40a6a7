// The main window's page of support telephone numbers and web links.
#pragma once

#include "QORPage.h"

class CQORContactInfoPage : public CQORPage {
public:
    CQORContactInfoPage();
};
