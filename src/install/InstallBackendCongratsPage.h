// The last page of the two-step post-install wizard: the printer is ready. It offers to open the
// all-in-one centre, prepares the printer's low-ink bookkeeping and its service tag, and its
// finish puts the user guide and the status monitor's shortcut in place and starts the centre or
// the background manager.
#pragma once

#include "InstallWizardPage.h"

class CQORTabDlg;

class CInstallBackendCongratsPage : public CInstallWizardPage {
public:
    CInstallBackendCongratsPage();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { Finish(); }
    // The setup is complete here: leaving the page applies what it shows.
    void OnCancelbutton() override { Finish(); }

private:
    // The five low-ink values of the printer's "PSW" key: each one that cannot be read starts
    // at 0. Then the printer's serial number as its service tag.
    static void PrepareLowInkBookkeeping(CQORTabDlg& main);
    // The preload file's answer about opening the centre.
    static PreloadAnswer OpenCentreAnswer();
    // Closes the session, places the guide and the shortcut, starts the centre or the background
    // manager and ends the wizard; the module may close there.
    void Finish();
};
