// The clean-and-test wizard's first result page: the pattern to expect; Finish ends the wizard,
// Print again (the command Cancel has elsewhere) prints the cleaning page once more in the same
// session and leads to the second result page.
#pragma once

#include "CleanResultPage.h"

class CCleanAndTestCartPage2 : public CCleanResultPage {
public:
    CCleanAndTestCartPage2();

protected:
    BOOL OnInitDialog() override;
    void OnPrintAgainButton();
    DECLARE_MESSAGE_MAP()
};
