// The post-install wizard's alignment values for the colour and photo cartridges: four groups of
// the installation's alignment page. Then the applications.
#pragma once

#include "InstallValuePage.h"

class CInstallBackendPhotoCartPage2 : public CInstallValuePage {
public:
    CInstallBackendPhotoCartPage2();
};
