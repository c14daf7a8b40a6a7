// The alignment wizard: it prints an alignment page and sends the values the user reads off it
// (CBSendAlignment). Its pages depend on whether the model aligns itself and on the carrier; the
// main window keeps it in its slot 7, the cartridge wizard runs one of its own after new
// cartridges.
#pragma once

#include "main/QorWizardSheet.h"
#include "status/AlignmentPlan.h"

#include <vector>

class CAlignSheet : public CQorWizardSheet {
public:
    explicit CAlignSheet(CWnd* parent = nullptr);

    // The kinds of the pages in sheet order.
    const std::vector<AlignPage>& Plan() const { return m_Plan; }

protected:
    BOOL OnInitDialog() override;

private:
    std::vector<AlignPage> m_Plan;
};
