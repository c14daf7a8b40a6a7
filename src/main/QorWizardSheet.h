// What every wizard sheet of the module shares: the module palette, a run that is modal (the
// export returns when it closes) or modeless, Enter and Escape handed to the page shown, and an
// end that runs the main window's shutdown check with the sheet's window id.
#pragma once

#include "Palette256.h"
#include "WindowSlots.h"
#include "WizardSheet.h"

#include <memory>
#include <vector>

class CQorWizardSheet : public CWizardSheet {
public:
    // titleId: the string of the window title, followed by the printer's name.
    CQorWizardSheet(WindowId windowId, UINT titleId, CWnd* parent);

    // Runs the wizard until it closes and returns its result; -1 when it has no page.
    INT_PTR RunModal();
    // Creates the wizard as a window of its own, visible; FALSE when it has no page or the
    // window could not be made.
    BOOL CreateModeless();
    bool IsModal() const { return m_bModal; }

    // Ends the wizard as its run asks: a modal run ends with 0; a modeless window is destroyed,
    // and then the main window's shutdown check runs with the sheet's window id when
    // shutDownMain. The main object may close the module there: the caller touches nothing
    // afterwards.
    void CloseWizard(bool shutDownMain);

protected:
    BOOL OnInitDialog() override;
    // Enter presses the page's Next; Escape and the caption's close press its Cancel.
    void OnOK() override;
    void OnCancel() override;
    // Takes the wizard's pages in sheet order. A wizard without one of its pages (a null) would
    // lead nowhere: it then gets no page at all, so that it does not open, and the fault is logged.
    void TakePages(std::vector<std::unique_ptr<CPropertyPage>> pages);

private:
    WindowId m_windowId;
    UINT m_titleId;
    CPalette256 m_Palette;
    bool m_bModal = false;
    std::vector<std::unique_ptr<CPropertyPage>> m_Pages;
};
