// The main window's page of how-to help for the printer's features: three lists of subjects, each
// with a button that opens the chosen subject's help topic, the printable user guide, the rewards
// web site, the ink levels and the closing buttons of the Home page.
#pragma once

#include "Links.h"
#include "PageInkLevels.h"
#include "QORPage.h"
#include "TransStatic.h"
#include "status/FeatureSubjects.h"

#include <array>

class CQORPrinterFeaturesPage : public CQORPage {
public:
    CQORPrinterFeaturesPage();

    // Fills the lists for the model, each with its first subject chosen (the main window does this
    // as it prepares its pages).
    void Refresh() override;
    void UpdateInkLevels(INKINFO* ink) override;
    // Gives the keyboard focus to how-to list 1, 2 or 3 and opens it (topics 106 to 108).
    void OpenFeatureList(int list);

protected:
    BOOL OnInitDialog() override;
    void PaintContent(HDC dc) override;

    void OnShowList1() { ShowSubject(1); }
    void OnShowList2() { ShowSubject(2); }
    void OnShowList3() { ShowSubject(3); }
    void OnRewardsLink();
    DECLARE_MESSAGE_MAP()

private:
    static FeatureModel Model();
    void InitHeadings(bool allInOne);
    void InitLinks();
    void FillLists();
    // Opens the help topic of the subject chosen in a list.
    void ShowSubject(int list);

    CPageInkLevels m_InkLevels;
    std::array<transbkstatic, 3> m_Headings;
    std::array<CGUILink, 3> m_ShowButtons;
    CGUIHelpLink m_ManualLink;
    transbkstatic m_RewardsCaption;
    CGUIUrlLink m_RewardsLink;
    std::array<CTransStaticBmp, 2> m_Pictures;
};
