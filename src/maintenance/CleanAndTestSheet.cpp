#include "CleanAndTestSheet.h"

#include "CSpy.h"
#include "CleanAndTestCartPage1.h"
#include "CleanAndTestCartPage2.h"
#include "CleanAndTestCartPage3.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/CleaningChoices.h"

CCleanAndTestSheet::CCleanAndTestSheet(CWnd* parent)
    : CQorWizardSheet(kCleanSheet, IDS_CLEAN_TITLE, parent) {
    CSpy spy;
    spy.OutputData("CCleanAndTestSheet::CCleanAndTestSheet()");
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main || !HasCleaningPages(main->m_Records.ink)) {
        spy.OutputData("CCleanAndTestSheet::CCleanAndTestSheet() no page for this carrier");
        return;
    }
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    pages.push_back(std::make_unique<CCleanAndTestCartPage1>());
    pages.push_back(std::make_unique<CCleanAndTestCartPage2>());
    pages.push_back(std::make_unique<CCleanAndTestCartPage3>());
    TakePages(std::move(pages));
}

BOOL CCleanAndTestSheet::OnInitDialog() {
    BOOL result = CQorWizardSheet::OnInitDialog();
    CSpy().OutputData("CCleanAndTestSheet::OnInitDialog()");
    return result;
}
