// The supplies ordering dialog, run from the main object in its slot.
#include "CSpy.h"
#include "QORTabDlg.h"
#include "pages/SuppliesOrderDlg.h"

int CQORTabDlg::OrderSupplies() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::OrderSupplies()");
    if (m_Slots.Get(kSuppliesDialog))
        return 0;
    CWnd* parent = HasMainWindow() ? this : nullptr;
    const INT_PTR result =
        RunDialogInSlot(kSuppliesDialog, std::make_unique<CSuppliesOrderDlg>(*this, parent));
    // A dialog that could not run has not run its own shutdown check.
    if (result < 0 && g_pQORTabDlg == this)
        Shutdown(kSuppliesDialog);
    return 1;
}
