// What every page of the alignment wizard shares: help on the alignment topic, the end of the
// wizard after its last page (the values sent, the host's session closed) and its cancel (the
// session closed, and on the pages that say so the print job of a cartridge change cancelled).
#pragma once

#include "main/QorWizardPage.h"

class CQORTabDlg;

class CAlignWizardPage : public CQorWizardPage {
public:
    using CQorWizardPage::CQorWizardPage;

protected:
    unsigned HelpTopic() const override;
    // What both start pages show and do as they open: heading and text by carrier type, the paper
    // hint unless the printer senses plain paper in its tray, Cancel hidden while an alignment is
    // required, and an ink-tank printer told once that an alignment begins (CBSendBytes).
    void InitStartPage();
    // The cartridge-change guard before an alignment page is printed: true, after its message,
    // while a cartridge change has not been confirmed.
    bool CartridgeChangeBlocks();
    // Ends the wizard: CBSendAlignment with the window's alignment record when sendAlignment,
    // then CBCloseSession; the main window's shutdown check follows for a modeless wizard.
    void FinishAlignment(bool sendAlignment);
    // Cancels the wizard: with cancelJob during a cartridge change the held print job is
    // cancelled first (CBCancelJob); then CBCloseSession.
    void CancelAlignment(bool cancelJob);
};
