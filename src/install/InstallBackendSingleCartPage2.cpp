#include "InstallBackendSingleCartPage2.h"

#include "resource.h"

namespace {
const CInstallValuePage::Kind kPage{IDD_INSTALL_SINGLE_CART_PAGE2,
                                    AlignPage::InstallSingleValues,
                                    IDS_INSTALL_SINGLE_CART_PAGE2_TEXT,
                                    SilentInstallRule::SingleCartridgePage,
                                    true,
                                    CInstallBackendWizardSheet::kCartridgeClosing};
} // namespace

CInstallBackendSingleCartPage2::CInstallBackendSingleCartPage2() : CInstallValuePage(kPage) {}
