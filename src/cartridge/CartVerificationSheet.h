// The cartridge verification wizard: it walks the user through fitting cartridges and tells the
// host which cartridges are now in the carrier. The mode decides its pages and whether an
// alignment may follow; it runs modal (the export returns when it closes) or modeless.
#pragma once

#include "Palette256.h"
#include "WizardSheet.h"

#include <memory>
#include <vector>

class CCartVerificationSheet : public CWizardSheet {
public:
    CCartVerificationSheet(int mode, CWnd* parent = nullptr);

    // Runs the wizard until it closes and returns its result; -1 when it could not be made.
    INT_PTR RunModal();
    // Creates the wizard as a window of its own, visible; FALSE when it could not be made.
    BOOL CreateModeless();

    // Ends the wizard as its run asks: a modal run ends with 0; a modeless window is destroyed,
    // and then the main window is shut down with reason 3 when shutDownMain.
    void CloseWizard(bool shutDownMain);
    // What Cancel, Escape and the caption's close do: the host's session ends with the wizard.
    void CancelWizard();

    // The mode handed to the constructor.
    int m_iSheetStyle;

protected:
    BOOL OnInitDialog() override;
    // Enter presses the page's Next; Escape and the caption's close cancel.
    void OnOK() override;
    void OnCancel() override;

private:
    CPalette256 m_Palette;
    std::vector<std::unique_ptr<CPropertyPage>> m_Pages;
    bool m_bModal = false;
};
