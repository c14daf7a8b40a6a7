// The main window's page of ink levels and cartridge maintenance, for printers with print
// cartridges: the cartridges with their pictures, names and tanks, and the links that start the
// maintenance wizards, print a test page, open help and order ink.
#pragma once

#include "InkDisplay.h"
#include "InkTank.h"
#include "Links.h"
#include "QORPage.h"
#include "WindowSlots.h"

#include <array>

class CQORInkCartridgePage : public CQORPage {
public:
    CQORInkCartridgePage();

    void Refresh() override;
    void UpdateInkLevels(INKINFO* ink) override;

    // The page's operations, also run by topics of the open window.
    void InstallCartridges();
    void PrintTestPage();
    void AlignCartridges();
    void CleanCartridges();
    void CleanRollers();
    void OrderSupplies();

    // Whether a maintenance wizard of this slot may start now: the connection allows it, the
    // printer is ready (a refusal has shown its alert) and no wizard of the slot is open.
    bool MayLaunchWizard(WindowId slot);

protected:
    BOOL OnInitDialog() override;
    void PaintContent(HDC dc) override;

    void OnSuppliesWebLink();
    void OnCartridgeHelp();
    void OnLButtonUp(UINT flags, POINT point);
    DECLARE_MESSAGE_MAP()

private:
    void SetUpLinks(bool disabledConnection);
    void ShowCartridges();
    void LaunchWizard(WindowId slot);

    CGUIInkDisplay m_InkDisplay;
    CString m_strModuleFolder;
    transbkstatic m_WebCaption;
    std::array<transbkstatic, 2> m_Headings;
    CGUIUrlLink m_SuppliesLink;
    CGUIWizardLink m_InstallLink;
    CGUIWizardLink m_TestPageLink;
    CGUIWizardLink m_AlignLink;
    CGUIWizardLink m_CleanLink;
    CGUIWizardLink m_CleanRollersLink;
    CGUIHelpLink m_CartridgeHelpLink;
    CGUIHelpLink m_OrderLink;
    // Tanks of controls 2028, 2025, 2026, 2027, in this order.
    std::array<CGUIInkTank, 4> m_Tanks;
    // Pictures 6013, 6161 and the cartridges of positions 1 and 2 (6029, 6031).
    std::array<CTransStaticBmp, 4> m_Pictures;
    std::array<CTransStaticBmp, 2> m_PositionLabels;
    std::array<transbkstatic, 2> m_CartridgeNames;
    // The ids shown, so that an unknown id is reported once, when it arrives.
    std::array<DWORD, 2> m_ShownIds{~0ul, ~0ul};
};
