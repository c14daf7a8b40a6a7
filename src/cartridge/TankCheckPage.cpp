#include "TankCheckPage.h"

#include "CSpy.h"
#include "main/LowInkThresholds.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/TankStates.h"

namespace {
constexpr UINT kTankControls[kTankCount] = {IDC_INK_TANK6, IDC_INK_TANK4, IDC_INK_TANK3,
                                            IDC_INK_TANK5};
constexpr UINT kStateControls[kTankCount] = {IDC_TANK_STATE1, IDC_TANK_STATE2, IDC_TANK_STATE3,
                                             IDC_TANK_STATE4};
} // namespace

CTankCheckPage::CTankCheckPage() : CTankWizardPage(IDD_TANK_CHECK) {}

BOOL CTankCheckPage::OnInitDialog() {
    CTankWizardPage::OnInitDialog();
    CSpy().OutputData("CTankCheckPage::OnInitDialog()");
    SetHeading(IDC_TANK_HEADING, IDS_TANK_CHECK_HEADING);
    SetText(IDC_TANK_TEXT, IDS_TANK_CHECK_TEXT);
    for (size_t index = 0; index < m_Tanks.size(); ++index)
        m_Tanks[index].Attach(kTankControls[index], this);
    m_InkDisplay.InitializeInkTanks({&m_Tanks[0], &m_Tanks[1], &m_Tanks[2], &m_Tanks[3]}, 1);
    return TRUE;
}

BOOL CTankCheckPage::OnSetActive() {
    ShowTanks();
    return CTankWizardPage::OnSetActive();
}

bool CTankCheckPage::LeadsOn() const {
    return !IsLastPage() && g_pQORTabDlg && AnyTankToReplace(g_pQORTabDlg->m_Records.ink);
}

void CTankCheckPage::ShowTanks() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    INKINFO& ink = main->m_Records.ink;
    m_InkDisplay.UpdateInkLevels(&ink);
    const LONG lowWarning = ReadLowInkThresholds(main->m_Registry).warning;
    const std::array<LONG, kTankCount> levels = TankLevels(ink);
    CSpy spy;
    spy.OutputData("CTankCheckPage::ShowTanks()");
    for (int tank = 0; tank < kTankCount; ++tank) {
        const TankState state = ClassifyTank(levels[tank], lowWarning);
        CString text;
        text.Format(LoadText(TankStateTextId(state)).c_str(),
                    LoadText(TankInkNameId(static_cast<TankInk>(tank))).c_str());
        SetDlgItemText(static_cast<int>(kStateControls[tank]), text);
        spy.OutputData(static_cast<int>(state));
    }
    SetText(IDC_TANK_ADVICE,
            AnyTankToReplace(ink) ? IDS_TANK_ADVICE_REPLACE : IDS_TANK_ADVICE_READY);
    ShowNextOrFinish(LeadsOn());
}

void CTankCheckPage::OnNextbutton() {
    GoOnOrFinish(LeadsOn());
}
