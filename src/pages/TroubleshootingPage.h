// The main window's page of help for the printer's states and alerts: the state in plain words,
// up to three solution links chosen by the state and the alert, further help topics, the user
// guide, the network configuration program and the support web site.
#pragma once

#include "Links.h"
#include "QORPage.h"
#include "TransStatic.h"
#include "status/TroubleshootingStates.h"

#include <array>

class CQORTroubleshootingPage : public CQORPage {
public:
    CQORTroubleshootingPage();

    // The state text and the solution links for the main window's current records.
    void Refresh() override;

protected:
    BOOL OnInitDialog() override;
    void OnSolution1() { OpenSolution(1); }
    void OnSolution2() { OpenSolution(2); }
    void OnSolution3() { OpenSolution(3); }
    void OnSlowPrinting() { OpenTopic(818); }
    void OnPrintQuality() { OpenTopic(819); }
    void OnPaperFeed() { OpenTopic(820); }
    void OnDeviceProblems();
    void OnNetworkConfiguration();
    void OnSupportWebLink();
    DECLARE_MESSAGE_MAP()

private:
    void OpenSolution(int link);
    void OpenTopic(DWORD topic);

    transbkstatic m_StateText;
    transbkstatic m_MoreHeading;
    transbkstatic m_WebCaption;
    std::array<CGUILink, 3> m_Solutions;
    // The further help topics, the user guide and the network configuration.
    std::array<CGUILink, 6> m_HelpLinks;
    CGUIUrlLink m_SupportLink;
    std::array<CTransStaticBmp, 2> m_Pictures;
};
