// The small window shown while an accompanying application's installer runs: it says which
// application is being installed, in the preload file's words when it has them. It is created
// before the installer starts and destroyed (with the object) when the installer has ended.
#pragma once

#include "Dialog.h"

class CInstallApp : public CDialog {
public:
    CInstallApp() = default;
    ~CInstallApp() override;
    CInstallApp(const CInstallApp&) = delete;
    CInstallApp& operator=(const CInstallApp&) = delete;

    // Shows the window for the installer running now (CInstallRunning); FALSE when it could not
    // be made.
    BOOL Show(CWnd* owner);

protected:
    BOOL OnInitDialog() override;
    // The window has nothing to answer: Enter and Escape leave it as it is.
    void OnOK() override {}
    void OnCancel() override {}
};
