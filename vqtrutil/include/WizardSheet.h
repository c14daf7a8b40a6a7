// The base of every wizard sheet: a page sheet that moves between its pages by number.
#pragma once

#include "UtilApi.h"

#include <PropertySheet.h>

class VQTRUTIL_API CWizardSheet : public CPropertySheet {
public:
    explicit CWizardSheet(const char* title, CWnd* parent = nullptr, UINT selectPage = 0);

    // Our sheets never show tabs (the framework's sheets have none); kept for the callers that
    // ask for it.
    void NoTabs() {}
    // Shows the page with this zero-based number (before the window exists: the first page
    // shown). FALSE (logged) for a number without a page, or when the current page refuses to
    // be left.
    BOOL ShowPageNumber(int index);
    // The zero-based number of the page shown (before the window exists: the one to be shown).
    int GetCurrentPage() const { return GetActiveIndex(); }
    // The sheet window's title.
    void SetWizardTitle(const char* text);

protected:
    BOOL OnInitDialog() override;
};
