// The post-install wizard's alignment value for one cartridge: one group, whose range is wider on
// a two-position carrier. The host's session ends with the value sent; then the applications.
#pragma once

#include "InstallValuePage.h"

class CInstallBackendSingleCartPage2 : public CInstallValuePage {
public:
    CInstallBackendSingleCartPage2();
};
