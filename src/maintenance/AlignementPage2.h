// The ink-tank printer's first value page: five groups; Next keeps them and shows the second.
#pragma once

#include "AlignValuePage.h"

class CAlignementPage2 : public CAlignValuePage {
public:
    CAlignementPage2();

protected:
    void OnNextbutton() override;
    void OnCancelbutton() override { CancelAlignment(true); }
};
