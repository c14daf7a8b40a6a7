// The clean-and-test wizard's page after the second print: the pattern to expect once more, a
// word on a cartridge that stays blocked, and Finish.
#pragma once

#include "CleanResultPage.h"

class CCleanAndTestCartPage3 : public CCleanResultPage {
public:
    CCleanAndTestCartPage3();
};
