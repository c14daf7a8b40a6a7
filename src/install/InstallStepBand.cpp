#include "InstallStepBand.h"

#include "InstallState.h"
#include "main/QORTabDlg.h"
#include "resource.h"

#include <iterator>

namespace {
constexpr UINT kStepNames[] = {IDS_INSTALL_STEP_WELCOME, IDS_INSTALL_STEP_CARTRIDGES,
                               IDS_INSTALL_STEP_APPLICATIONS, IDS_INSTALL_STEP_REGISTRATION};
constexpr UINT kStepLabels[] = {IDC_INSTALL_STEP1, IDC_INSTALL_STEP2, IDC_INSTALL_STEP3,
                                IDC_INSTALL_STEP4};
constexpr size_t kStepCount = std::size(kStepLabels);
constexpr size_t kRegistrationStep = 3;
} // namespace

bool CInstallStepBand::RightToLeft() {
    CString language;
    language.LoadString(IDS_LANGUAGE_NAME);
    return language.CompareNoCase("Hebrew") == 0 || language.CompareNoCase("Arabic") == 0;
}

bool CInstallStepBand::RegistrationHidden() {
    return g_pQORTabDlg &&
           g_pQORTabDlg->m_Product.CompareSetting("IDO_REGISTRATION_URL_OVERRIDE", "1");
}

bool CInstallStepBand::TwoStep() {
    return g_pQORTabDlg &&
           g_pQORTabDlg->m_Product.CompareSetting("IDO_2STEP_INSTALLWIZARD_OPTION", 1);
}

void CInstallStepBand::Init(CWnd* page) {
    const bool mirrored = RightToLeft();
    m_Header.Init(IDC_INSTALL_HEADER, page, mirrored ? IDB_INSTALL_HEADER_RTL : IDB_INSTALL_HEADER);
    for (size_t step = 0; step < kStepCount; ++step) {
        // Mirrored, the first step stands in the rightmost label.
        const UINT label = kStepLabels[mirrored ? kStepCount - 1 - step : step];
        // The two-step wizard ends on its closing page, not on the registration.
        const bool lastStepIsDone = step == kRegistrationStep && TwoStep();
        CString name;
        name.LoadString(lastStepIsDone ? IDS_INSTALL_STEP_DONE : kStepNames[step]);
        page->SetDlgItemText(static_cast<int>(label), name);
        if (step == kRegistrationStep && !lastStepIsDone && RegistrationHidden())
            page->GetDlgItem(static_cast<int>(label)).ShowWindow(SW_HIDE);
    }
}
