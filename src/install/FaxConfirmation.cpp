#include "FaxConfirmation.h"

#include "AccompanyingApps.h"
#include "CSpy.h"
#include "QORTabDlg.h"
#include "resource.h"

CFaxConfirmation::CFaxConfirmation(CWnd* parent, const CString& folder, const CString& installer)
    : CSetupCdPrompt(IDS_FAX_CONFIRMATION_TITLE, IDS_FAX_CONFIRMATION_TEXT, parent),
      m_strFolder(folder), m_strInstaller(installer) {}

void CFaxConfirmation::OnContinue() {
    CSpy().OutputData("CFaxConfirmation::OnContinue()");
    // Only a disc that can be read is searched: anything else would ask the user about a drive
    // that is not there.
    m_bSetupFound = SetupCdReadable() && g_pQORTabDlg &&
                    g_pQORTabDlg->SearchDirectory(m_strInstaller, m_strFolder);
    EndDialog(1);
}
