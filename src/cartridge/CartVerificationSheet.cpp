#include "CartVerificationSheet.h"

#include "CSpy.h"
#include "CartInformation.h"
#include "CartVerificationPage1.h"
#include "CartVerificationPage1AIO.h"
#include "CartVerificationPage2.h"
#include "CartWizardPage.h"
#include "ColorSortVerifcaionPage2.h"
#include "SingleCartVerifcaionPage2.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/CartVerification.h"

namespace {
// The page a plan names, of the kind the model and the carrier ask for.
std::unique_ptr<CPropertyPage> MakePage(CartWizardPage page, const CartWizardPlan& plan,
                                        const CQORTabDlg& main) {
    switch (page) {
    case CartWizardPage::First:
        if (ChooseFirstPage(main.m_Product) == FirstPageKind::AllInOne)
            return std::make_unique<CCartVerificationPage1AIO>();
        return std::make_unique<CCartVerificationPage1>();
    case CartWizardPage::Second:
        switch (ChooseSecondPage(main.m_Records.ink.dwCarrierType, main.m_Product)) {
        case SecondPageKind::SingleCartridge:
            return std::make_unique<CSingleCartVerifcaionPage2>();
        case SecondPageKind::Information:
            return std::make_unique<CCartInformation>(plan.informationCanGoBack);
        case SecondPageKind::Verification:
            return std::make_unique<CCartVerificationPage2>();
        }
        break;
    case CartWizardPage::ColourSort:
        return std::make_unique<CColorSortVerifcaionPage2>();
    }
    CSpy spy;
    spy.OutputError("CCartVerificationSheet: this printer's cartridge page cannot be shown");
    spy.OutputData(static_cast<int>(page));
    return nullptr;
}
} // namespace

CCartVerificationSheet::CCartVerificationSheet(int mode, CWnd* parent)
    : CQorWizardSheet(kCartVerificationSheet, IDS_CARTV_TITLE, parent), m_iSheetStyle(mode) {
    CSpy().OutputEach("CCartVerificationSheet::CCartVerificationSheet()", "m_iSheetStyle", mode);
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
    // A host that closes the module while it answers gets no wizard: it has no pages.
    if (g_pQORTabDlg != main)
        return;
    CartWizardPlan plan = PlanCartWizard(mode);
    main->m_bPromptAlignment = plan.promptAlignment;
    if (plan.skipCartAlign)
        main->m_bSkipCartAlign = TRUE;
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    for (int index = 0; index < plan.pageCount; ++index)
        pages.push_back(MakePage(plan.pages[index], plan, *main));
    TakePages(std::move(pages));
}

BOOL CCartVerificationSheet::OnInitDialog() {
    BOOL result = CQorWizardSheet::OnInitDialog();
    CSpy().OutputData("CCartVerificationSheet::OnInitDialog()");
    return result;
}

void CCartVerificationSheet::CloseWizard(bool shutDownMain) {
    // A held job's request ends with the wizard that served it.
    if (g_pQORTabDlg)
        g_pQORTabDlg->m_bCartTopicA = g_pQORTabDlg->m_bCartTopicB = FALSE;
    CQorWizardSheet::CloseWizard(shutDownMain);
}

void CCartVerificationSheet::CancelWizard() {
    CSpy().OutputData("CCartVerificationSheet::CancelWizard()");
    if (g_pQORTabDlg)
        g_pQORTabDlg->DoCallback(CBCloseSession, nullptr, 0, 0);
    CloseWizard(true);
}
