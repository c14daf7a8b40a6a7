#include "InstallValuePage.h"

#include "CSpy.h"
#include "InstallState.h"
#include "main/QORTabDlg.h"
#include "resource.h"

CInstallValuePage::CInstallValuePage(const Kind& kind)
    : CAlignValuePage(kind.templateId, kind.values, kind.textId), m_Kind(kind) {}

BOOL CInstallValuePage::OnInitDialog() {
    CAlignValuePage::OnInitDialog();
    m_Band.Init(this);
    SetTitle(IDC_ALIGN_HEADING, IDS_INSTALL_PAGE2_HEADING);
    const CQORTabDlg* main = g_pQORTabDlg;
    const bool applicationsPresent = main &&
                                     main->m_Product.CompareSetting("IDO_BUNDLED_APPS", 1) &&
                                     (g_bAnyAppOnCD || g_bAnyAppPreloaded);
    m_Applications.Init(IDC_INSTALL_APPS_PICTURE, this,
                        applicationsPresent ? IDB_INSTALL_APPS_PRESENT : IDB_INSTALL_APPS);
    m_Patterns.Init(IDC_INSTALL_PATTERN_PICTURE, this, IDB_INSTALL_ALIGN_PATTERNS);
    return TRUE;
}

CInstallBackendWizardSheet* CInstallValuePage::InstallSheet() const {
    return dynamic_cast<CInstallBackendWizardSheet*>(GetSheet());
}

void CInstallValuePage::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (!main || !sheet || !StoreValues(true))
        return;
    CSpy spy;
    spy.OutputEach("CInstallValuePage::OnContinueButton() CBSendAlignment",
                   static_cast<int>(m_Kind.values));
    main->DoCallback(CBSendAlignment, &main->m_Records.align, 0, 0);
    // Every answer of the host may have closed the module.
    if (g_pQORTabDlg != main)
        return;
    if (m_Kind.closesSession) {
        main->DoCallback(CBCloseSession, nullptr, 0, 0);
        if (g_pQORTabDlg != main)
            return;
    }
    sheet->RunApplicationStep(*this, m_Kind.silentRule);
}

void CInstallValuePage::OnCancelbutton() {
    if (CInstallBackendWizardSheet* sheet = InstallSheet())
        sheet->RunClosingSequence(m_Kind.closing);
}
