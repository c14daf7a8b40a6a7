// What the alignment wizard's value pages share: for each value a two-digit field with its spin,
// set to the stored value or the page's default, a picture of the carrier, and the values taken
// back only when every field holds a number within its range.
#pragma once

#include "AlignWizardPage.h"
#include "TransStatic.h"
#include "status/AlignmentPlan.h"

#include <vector>

class CAlignValuePage : public CAlignWizardPage {
public:
    CAlignValuePage(UINT templateId, AlignPage kind, UINT textId);

    // The values as typed; false (and the user told which range, the field focused) when a field
    // is empty or out of its range.
    bool TakeValues(std::vector<int>& values);

protected:
    BOOL OnInitDialog() override;
    // Readiness where the page asks for it, the values taken and written into the window's
    // alignment record; false when the page stays.
    bool StoreValues(bool checkReadiness);
    // The last value page's Finish: the values stored, sent and the wizard ended.
    void SendValues(bool checkReadiness);
    // Back leads to the page printed before: the start page, where the alignment page may be
    // printed again, or for the ink-tank printer's second values its first.
    void OnBackToPrintedPage();
    DECLARE_MESSAGE_MAP()

private:
    AlignPage m_Kind;
    UINT m_TextId;
    std::vector<AlignValue> m_Values;
    CTransStaticBmp m_Picture;
};
