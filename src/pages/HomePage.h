// The main window's page of the printer's state, its cartridges and ink levels.
#pragma once

#include "InkDisplay.h"
#include "InkTank.h"
#include "QORPage.h"

#include <array>

class CQORHomePage : public CQORPage {
public:
    CQORHomePage();

protected:
    BOOL OnInitDialog() override;
    void PaintContent(HDC dc) override;

private:
    CGUIInkDisplay m_InkDisplay;
    // Tanks of controls 2028, 2025, 2026, 2027, 2023, 2024, in this order.
    std::array<CGUIInkTank, 6> m_Tanks;
};
