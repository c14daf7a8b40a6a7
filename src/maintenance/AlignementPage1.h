// The alignment wizard's start page: what aligning does and what paper to load. Print (or Enter)
// prints the alignment page of the cartridges fitted and leads to the page that takes its values;
// Cancel is hidden while an alignment is required.
#pragma once

#include "AlignWizardPage.h"
#include "TransStatic.h"

class CAlignementPage1 : public CAlignWizardPage {
public:
    CAlignementPage1();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { OnPrintButton(); }
    void OnCancelbutton() override { CancelAlignment(false); }
    void OnPrintButton();
    DECLARE_MESSAGE_MAP()

private:
    CTransStaticBmp m_Picture;
};
