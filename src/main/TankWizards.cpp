// The ink-tank wizards, run from the main object in their slots.
#include "CSpy.h"
#include "QORTabDlg.h"
#include "cartridge/TankSheet1.h"
#include "cartridge/TankSheet2.h"

namespace {
std::unique_ptr<CQorWizardSheet> MakeTankSheet(WindowId id) {
    if (id == kTankSheet1)
        return std::make_unique<CQORTankSheet1>();
    return std::make_unique<CQORTankSheet2>();
}
} // namespace

INT_PTR CQORTabDlg::RunTankSheet(WindowId id) {
    CSpy().OutputEach("CQORTabDlg::RunTankSheet()", static_cast<int>(id));
    INT_PTR result = RunWizardInSlot(id, MakeTankSheet(id));
    // The host may have closed the module while the wizard ran.
    if (g_pQORTabDlg == this)
        Shutdown(id);
    return result;
}

int CQORTabDlg::TankSheetTopic(WindowId id) {
    if (m_Slots.IsOpen(id))
        return 0;
    if (OpenWizardInSlot(id, MakeTankSheet(id)))
        return 1;
    Shutdown(kNoWindow);
    return 0;
}
