#include "WizardSheet.h"

#include "CSpy.h"

CWizardSheet::CWizardSheet(const char* title, CWnd* parent, UINT selectPage)
    : CPropertySheet(title, parent, selectPage) {}

BOOL CWizardSheet::ShowPageNumber(int index) {
    if (!GetPage(index)) {
        CSpy spy;
        spy.OutputData("CWizardSheet::ShowPageNumber() no such page");
        spy.OutputData(index);
        return FALSE;
    }
    return SetActivePage(index);
}

void CWizardSheet::SetWizardTitle(const char* text) {
    SetTitle(text ? text : "");
}

BOOL CWizardSheet::OnInitDialog() {
    BOOL result = CPropertySheet::OnInitDialog();
    // A wizard has no context help button in its caption.
    ModifyStyleEx(WS_EX_CONTEXTHELP, 0, SWP_FRAMECHANGED);
    return result;
}
