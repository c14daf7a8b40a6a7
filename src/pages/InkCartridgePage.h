// The main window's page of ink levels and cartridge maintenance, for printers with print
// cartridges: the cartridges with their pictures, names and tanks, and the links that start the
// maintenance wizards, print a test page, open help and order ink.
#pragma once

#include "InkPage.h"

#include <array>

class CQORInkCartridgePage : public CQORInkPage {
public:
    CQORInkCartridgePage();

    void Refresh() override;
    void UpdateInkLevels(INKINFO* ink) override;

    // The page's operations, also run by topics of the open window.
    void PrintTestPage();
    void CleanRollers();

protected:
    BOOL OnInitDialog() override;
    const char* LogName() const override { return "CQORInkCartridgePage"; }
    bool LinksDisabled(DWORD portType) const override;
    bool PassReadinessCheck(CQORTabDlg& main) override;

    void OnSuppliesWebLink();
    void OnCartridgeHelp();
    DECLARE_MESSAGE_MAP()

private:
    void ShowCartridges();

    CGUIUrlLink m_SuppliesLink;
    CGUIWizardLink m_CleanRollersLink;
    CGUIHelpLink m_CartridgeHelpLink;
    std::array<transbkstatic, 2> m_Headings;
    // Pictures 6013, 6161 and the cartridges of positions 1 and 2 (6029, 6031).
    std::array<CTransStaticBmp, 4> m_Pictures;
    std::array<CTransStaticBmp, 2> m_PositionLabels;
    std::array<transbkstatic, 2> m_CartridgeNames;
    // The ids shown, so that an unknown id is reported once, when it arrives.
    std::array<DWORD, 2> m_ShownIds{~0ul, ~0ul};
};
