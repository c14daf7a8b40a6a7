// The main window's page of advanced settings: two-way communication with the printer, DOS
// printing, the job status window, network printing, software updates, the version box, the ink
// levels and the links to the software and supplies web pages.
#pragma once

#include "InkDisplay.h"
#include "InkTank.h"
#include "Links.h"
#include "QORPage.h"

#include <array>

class CQORAdvancedPage : public CQORPage {
public:
    CQORAdvancedPage();

    void Refresh() override;
    void UpdateInkLevels(INKINFO* ink) override;

protected:
    BOOL OnInitDialog() override;
    void PaintContent(HDC dc) override;

    void OnCommunicationBox();
    void OnDosPrinting();
    void OnJobStatusOptions();
    void OnNetworkConfiguration();
    void OnWebUpdate();
    void OnVersion();
    void OnSoftwareLink();
    void OnOrderSupplies();
    DECLARE_MESSAGE_MAP()

private:
    void InitCommunicationBox();
    void InitInkTanks();
    void InitLinks();
    void ShowRows();

    CGUIInkDisplay m_InkDisplay;
    // Tanks of controls 2025, 2026, 2027, 2028, left to right.
    std::array<CGUIInkTank, 4> m_Tanks;
    std::array<CGUILink, 6> m_Links;
    CGUIUrlLink m_SoftwareLink;
    std::array<CTransStaticBmp, 2> m_Pictures;
    // The user's locale as the utility library reports it, and the value that came with it.
    CString m_strLocale;
    CString m_strLocaleValue;
};
