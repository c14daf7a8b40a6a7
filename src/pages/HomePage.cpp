#include "HomePage.h"

#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
constexpr UINT kTankControls[] = {IDC_INK_TANK6, IDC_INK_TANK3, IDC_INK_TANK4,
                                  IDC_INK_TANK5, IDC_INK_TANK1, IDC_INK_TANK2};
enum Tank { kTank2028, kTank2025, kTank2026, kTank2027, kTank2023, kTank2024 };
} // namespace

CQORHomePage::CQORHomePage() : CQORPage(IDD_PAGE_HOME) {}

BOOL CQORHomePage::OnInitDialog() {
    CQORPage::OnInitDialog();
    for (size_t index = 0; index < m_Tanks.size(); ++index)
        m_Tanks[index].Attach(kTankControls[index], this);
    if (!g_pQORTabDlg)
        return TRUE;
    m_InkDisplay.SetInkInfo(&g_pQORTabDlg->m_Records.ink);
    // Models whose cartridge pictures replace the usual ones show their own pair of tanks.
    bool pictureOverride =
        g_pQORTabDlg->m_Product.CompareSetting("IDO_CARTRIDGE_BITMAP_OVERRIDE", "1");
    if (pictureOverride)
        m_InkDisplay.InitializeInkTanks(
            {&m_Tanks[kTank2024], &m_Tanks[kTank2023], &m_Tanks[kTank2027], &m_Tanks[kTank2028]},
            1);
    else
        m_InkDisplay.InitializeInkTanks(
            {&m_Tanks[kTank2026], &m_Tanks[kTank2025], &m_Tanks[kTank2027], &m_Tanks[kTank2028]},
            1);
    // The tanks that take no part show nothing, not even their frame.
    m_Tanks[pictureOverride ? kTank2025 : kTank2023].ShowWindow(SW_HIDE);
    m_Tanks[pictureOverride ? kTank2026 : kTank2024].ShowWindow(SW_HIDE);
    return TRUE;
}

void CQORHomePage::PaintContent(HDC dc) {
    m_InkDisplay.DrawTanks(dc);
}
