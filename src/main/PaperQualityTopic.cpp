// Topic 308: the paper and print-quality dialog, run from the main object.
#include "CSpy.h"
#include "QORTabDlg.h"
#include "pages/PaperQualityDlg.h"

int CQORTabDlg::PaperQualityTopic() {
    if (m_Slots.Get(kPaperQualityDialog))
        return 0;
    CSpy().OutputData("CQORTabDlg::PaperQualityTopic()");
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return 0;
    CWnd* parent = HasMainWindow() ? this : nullptr;
    RunDialogInSlot(kPaperQualityDialog, std::make_unique<CPaperQualityDlg>(*this, parent));
    // The slot has deleted the dialog before the check, which may close the module: nothing of
    // either is touched afterwards.
    if (g_pQORTabDlg == this)
        Shutdown(kPaperQualityDialog);
    return 1;
}
