// The post-install wizard's alignment values for two cartridges, colour and black: five groups
// of the installation's alignment page. Then the applications, installed without asking only
// for the first two.
#pragma once

#include "InstallValuePage.h"

class CInstallBackendCartPage2 : public CInstallValuePage {
public:
    CInstallBackendCartPage2();
};
