// The clean-and-test wizard: the printer cleans its cartridges' nozzles and prints a test page,
// the user compares it with the pattern to expect and may have it printed again. The main window
// keeps it in its slot 8. An ink-tank printer cleans its heads with its own tools: the wizard
// then has no page and does not open.
#pragma once

#include "main/QorWizardSheet.h"

class CCleanAndTestSheet : public CQorWizardSheet {
public:
    explicit CCleanAndTestSheet(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
