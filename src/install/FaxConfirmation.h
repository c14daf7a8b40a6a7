// The prompt shown while application 1's installer is not on the CD in the drive. OK looks for
// the installer in its folder on the CD; Found says whether it is there now.
#pragma once

#include "SetupCdPrompt.h"

class CFaxConfirmation : public CSetupCdPrompt {
public:
    // folder: application 1's folder on the CD, with its closing backslash; installer: its file.
    CFaxConfirmation(CWnd* parent, const CString& folder, const CString& installer);

    bool Found() const { return m_bSetupFound; }

protected:
    void OnContinue() override;

private:
    CString m_strFolder;
    CString m_strInstaller;
    bool m_bSetupFound = false;
};
