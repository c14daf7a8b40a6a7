// The post-install wizard's programs page: the folder the printer software lives in, the special
// offer for the countries that have one and, on all-in-one models, the centre's description.
#pragma once

#include "InstallWizardPage.h"
#include "Links.h"

class CInstallBackendPage4 : public CInstallWizardPage {
public:
    CInstallBackendPage4();

    const CString& InstallFolder() const { return m_strInstallFolder; }
    bool ShowsSpecialOffer() const { return m_bShowSpecialOffer; }

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override;
    void OnCancelbutton() override;
    void OnOfferLink();
    DECLARE_MESSAGE_MAP()

private:
    void FindInstallFolder();

    CGUIUrlLink m_OfferLink;
    CTransStaticBmp m_Applications;
    bool m_bShowSpecialOffer = false;
    CString m_strInstallFolder;
};
