#include "CleanResultPage.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/CleaningChoices.h"

BEGIN_MESSAGE_MAP(CCleanResultPage, CCleanWizardPage)
ON_COMMAND(IDC_CLEAN_FINISH, OnNextbutton)
END_MESSAGE_MAP()

CCleanResultPage::CCleanResultPage(UINT templateId, UINT headingId)
    : CCleanWizardPage(templateId), m_HeadingId(headingId) {}

BOOL CCleanResultPage::OnInitDialog() {
    CCleanWizardPage::OnInitDialog();
    SetHeading(IDC_CLEAN_HEADING, m_HeadingId);
    SetText(IDC_CLEAN_FINISH, IDS_CLEAN_FINISH);
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    INKINFO ink = main->m_Records.ink;
    m_Carrier.GetCarrierState(&ink, main->m_Product);
    m_PatternBitmap = ExpectedPatternBitmap(m_Carrier.m_CarrierState, ink.dwCarrierType);
    m_PatternPicture.Init(IDC_CLEAN_PATTERN_PICTURE, this, m_PatternBitmap);
    m_PaperPicture.Init(IDC_CLEAN_PAPER_PICTURE, this, IDB_CLEAN_PAPER);

    const CleanResultTexts texts =
        ResultTexts(!main->m_Product.CompareSetting("IDO_CLEANPAGE_RAMPS", 0));
    SetText(IDC_CLEAN_INSTRUCTION1, texts.instruction1);
    SetText(IDC_CLEAN_INSTRUCTION2, texts.instruction2);
    // The second result page has one line more, for a cartridge that stays blocked.
    const UINT ramps[][2] = {{IDC_CLEAN_RAMPS_LINES, IDS_CLEAN_RAMPS_LINES},
                             {IDC_CLEAN_RAMPS_EVEN, IDS_CLEAN_RAMPS_EVEN},
                             {IDC_CLEAN_RAMPS_GAPS, IDS_CLEAN_RAMPS_GAPS},
                             {IDC_CLEAN_RAMPS_STILL, IDS_CLEAN_RAMPS_STILL}};
    for (const auto& ramp : ramps) {
        if (!::GetDlgItem(m_hWnd, static_cast<int>(ramp[0])))
            continue;
        SetText(ramp[0], ramp[1]);
        ShowControl(ramp[0], texts.rampsShown);
    }
    CSpy().OutputEach("CCleanResultPage::OnInitDialog()",
                      static_cast<int>(m_Carrier.m_CarrierState), m_PatternBitmap);
    return TRUE;
}
