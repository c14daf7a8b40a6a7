// The post-install wizard's alignment values for the ink-tank printer: the five numbers read off
// the printed alignment page go to the printer (CBSendAlignment); then the applications.
#pragma once

#include "InstallStepBand.h"
#include "maintenance/AlignValuePage.h"

class CInstallBackendPage2 : public CAlignValuePage {
public:
    CInstallBackendPage2();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override;
    void OnCancelbutton() override;

private:
    CInstallStepBand m_Band;
};
