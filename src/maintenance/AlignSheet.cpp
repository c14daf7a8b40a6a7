#include "AlignSheet.h"

#include "AlignementCartPage2.h"
#include "AlignementPage1.h"
#include "AlignementPage2.h"
#include "AlignementPage3.h"
#include "AlignementPhotoCartPage2.h"
#include "AlignementSingleCartPage2.h"
#include "AutoAlignementPage1.h"
#include "AutoAlignementPage2.h"
#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
// The page of a kind; null for a value outside the kinds and for the post-install wizard's
// pages, which PlanAlignSheet never names.
std::unique_ptr<CPropertyPage> MakePage(AlignPage page) {
    switch (page) {
    case AlignPage::AutoStart:
        return std::make_unique<CAutoAlignementPage1>();
    case AlignPage::AutoResult:
        return std::make_unique<CAutoAlignementPage2>();
    case AlignPage::Start:
        return std::make_unique<CAlignementPage1>();
    case AlignPage::TankValues1:
        return std::make_unique<CAlignementPage2>();
    case AlignPage::TankValues2:
        return std::make_unique<CAlignementPage3>();
    case AlignPage::CartValues:
        return std::make_unique<CAlignementCartPage2>();
    case AlignPage::PhotoValues:
        return std::make_unique<CAlignementPhotoCartPage2>();
    case AlignPage::SingleValues:
        return std::make_unique<CAlignementSingleCartPage2>();
    case AlignPage::InstallTankValues:
    case AlignPage::InstallCartValues:
    case AlignPage::InstallPhotoValues:
    case AlignPage::InstallSingleValues:
        break;
    }
    return nullptr;
}
} // namespace

CAlignSheet::CAlignSheet(CWnd* parent) : CQorWizardSheet(kAlignSheet, IDS_ALIGN_TITLE, parent) {
    CSpy spy;
    spy.OutputData("CAlignSheet::CAlignSheet()");
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    m_Plan = PlanAlignSheet(main->m_Product.CompareSetting("IDO_SUPPORT_AUTOALIGNMENT", 1),
                            main->m_Records.ink);
    if (m_Plan.empty())
        spy.OutputError("CAlignSheet: no alignment for this carrier");
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    for (AlignPage kind : m_Plan)
        pages.push_back(MakePage(kind));
    TakePages(std::move(pages));
}

BOOL CAlignSheet::OnInitDialog() {
    BOOL result = CQorWizardSheet::OnInitDialog();
    CSpy().OutputData("CAlignSheet::OnInitDialog()");
    return result;
}
