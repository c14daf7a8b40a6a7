#include "InstallBackendCartPage2.h"

#include "resource.h"

namespace {
const CInstallValuePage::Kind kPage{IDD_INSTALL_CART_PAGE2,
                                    AlignPage::InstallCartValues,
                                    IDS_INSTALL_PAGE2_TEXT,
                                    SilentInstallRule::TwoCartridgePage,
                                    false,
                                    CInstallBackendWizardSheet::kTwoCartridgeClosing};
} // namespace

CInstallBackendCartPage2::CInstallBackendCartPage2() : CInstallValuePage(kPage) {}
