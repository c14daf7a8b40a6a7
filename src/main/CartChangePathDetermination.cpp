// The main window's side of the cartridge change path: its flags in, the decision over its own
// ink record, the flags out.
#include "QORTabDlg.h"
#include "status/CartChangePath.h"

void CQORTabDlg::CartChangePathDetermination() {
    CartChangeFlags flags;
    flags.m_bPromptNewCart1 = m_bPromptNewCart1;
    flags.m_bPromptNewCart2 = m_bPromptNewCart2;
    flags.m_bPromptCartVerify = m_bPromptCartVerify;
    flags.m_bPromptAlignment = m_bPromptAlignment;
    flags.m_bPromptInstallAlignment = m_bPromptInstallAlignment;
    flags.m_bPostInstallCheck = m_bPostInstallCheck;

    DetermineCartChangePath(flags, m_Records.ink, m_PortInfo.dwPortType, m_Product);

    m_bPromptNewCart1 = flags.m_bPromptNewCart1;
    m_bPromptNewCart2 = flags.m_bPromptNewCart2;
    m_bPromptCartVerify = flags.m_bPromptCartVerify;
    m_bPromptAlignment = flags.m_bPromptAlignment;
    m_bPromptInstallAlignment = flags.m_bPromptInstallAlignment;
}
