#include "PageInkLevels.h"

#include "resource.h"

namespace {
constexpr UINT kTankControls[] = {IDC_INK_TANK4, IDC_INK_TANK3, IDC_INK_TANK5, IDC_INK_TANK6};
constexpr int kTankBitmapType = 1;
} // namespace

void CPageInkLevels::Init(CWnd* page, INKINFO* ink) {
    for (size_t index = 0; index < m_Tanks.size(); ++index)
        m_Tanks[index].Attach(kTankControls[index], page);
    m_Display.SetInkInfo(ink);
    m_Display.InitializeInkTanks({&m_Tanks[0], &m_Tanks[1], &m_Tanks[2], &m_Tanks[3]},
                                 kTankBitmapType);
}
