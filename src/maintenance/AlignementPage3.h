// The ink-tank printer's second value page: six groups; Finish (its own command) sends both
// pages' values. The printer was asked about on the first page, so no readiness check here.
#pragma once

#include "AlignValuePage.h"

class CAlignementPage3 : public CAlignValuePage {
public:
    CAlignementPage3();

protected:
    void OnNextbutton() override { SendValues(false); }
    void OnCancelbutton() override { CancelAlignment(false); }
    DECLARE_MESSAGE_MAP()
};
