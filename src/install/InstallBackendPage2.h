// The post-install wizard's alignment values for the ink-tank printer: the five numbers read off
// the printed alignment page go to the printer (CBSendAlignment); then the applications.
#pragma once

#include "InstallValuePage.h"

class CInstallBackendPage2 : public CInstallValuePage {
public:
    CInstallBackendPage2();
};
