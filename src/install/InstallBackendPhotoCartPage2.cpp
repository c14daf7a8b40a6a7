#include "InstallBackendPhotoCartPage2.h"

#include "resource.h"

namespace {
const CInstallValuePage::Kind kPage{IDD_INSTALL_PHOTO_CART_PAGE2,
                                    AlignPage::InstallPhotoValues,
                                    IDS_INSTALL_PHOTO_CART_PAGE2_TEXT,
                                    SilentInstallRule::PhotoCartridgePage,
                                    false,
                                    CInstallBackendWizardSheet::kCartridgeClosing};
} // namespace

CInstallBackendPhotoCartPage2::CInstallBackendPhotoCartPage2() : CInstallValuePage(kPage) {}
