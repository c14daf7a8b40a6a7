#include "InstallBackendPage2.h"

#include "resource.h"

namespace {
const CInstallValuePage::Kind kPage{IDD_INSTALL_PAGE2,
                                    AlignPage::InstallTankValues,
                                    IDS_INSTALL_PAGE2_TEXT,
                                    SilentInstallRule::Page1,
                                    false,
                                    CInstallBackendWizardSheet::kStandardClosing};
} // namespace

CInstallBackendPage2::CInstallBackendPage2() : CInstallValuePage(kPage) {}
