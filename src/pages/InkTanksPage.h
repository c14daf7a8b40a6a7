// The main window's page of ink levels and maintenance of an ink-tank printer: its four tanks
// with their levels, the links that start the maintenance wizards (replacing a tank, aligning,
// cleaning, checking the tanks), print a test page, open help and order ink, and the link to the
// maker's software site. It has no closing buttons of its own.
#pragma once

#include "InkPage.h"

#include <array>

class CQORInkTanksPage : public CQORInkPage {
public:
    CQORInkTanksPage();

    void Refresh() override;

    // The page's operations, also run by topics of the open window.
    void PrintTestPage();
    void CheckTanks();

    // The readiness check before a wizard or a test page: no status is asked of a parallel or
    // USB printer without two-way communication; a printer that reports itself busy is refused
    // with a message. The host may have closed the module meanwhile: the caller checks
    // g_pQORTabDlg.
    bool TankReadinessCheck(CQORTabDlg& main);

protected:
    BOOL OnInitDialog() override;
    const char* LogName() const override { return "CQORInkTanksPage"; }
    // The network kinds 5 to 7 and the connection without status (9).
    bool LinksDisabled(DWORD portType) const override;
    bool PassReadinessCheck(CQORTabDlg& main) override;

    void OnTankHelp();
    void OnSoftwareLink();
    DECLARE_MESSAGE_MAP()

private:
    CGUIUrlLink m_SoftwareLink;
    CGUIWizardLink m_CheckLink;
    CGUIHelpLink m_HelpLink;
    // The logo, the printer, the colours under the four tanks and the web globe.
    std::array<CTransStaticBmp, 7> m_Pictures;
};
