#include "InstallBackendPage4.h"

#include "CSpy.h"
#include "DirPick.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "status/ContactRules.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CInstallBackendPage4, CInstallWizardPage)
ON_COMMAND(IDC_INSTALL_OFFER_LINK, OnOfferLink)
END_MESSAGE_MAP()

CInstallBackendPage4::CInstallBackendPage4() : CInstallWizardPage(IDD_INSTALL_PAGE4) {}

BOOL CInstallBackendPage4::OnInitDialog() {
    CInstallWizardPage::OnInitDialog();
    CSpy spy;
    spy.OutputData("CInstallBackendPage4::OnInitDialog()");
    InitInstallPage(IDS_INSTALL_PAGE4_HEADING, IDS_INSTALL_PAGE4_TEXT, 0);
    m_Applications.Init(IDC_INSTALL_APPS_PICTURE, this, IDB_INSTALL_APPS_PRESENT);
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    char locale[16] = {};
    char second[16] = {};
    UtilGetLocaleText(locale, sizeof locale, second, sizeof second);
    const CString country(locale);
    m_bShowSpecialOffer = ::ShowsSpecialOffer(locale) &&
                          !main->m_Product.CompareSetting("IDO_SPECIALOFFER_URL_OVERRIDE", "1");
    spy.OutputEach("locale", country, "show special offer", static_cast<int>(m_bShowSpecialOffer));
    m_OfferLink.Init(IDC_INSTALL_OFFER_LINK, this);
    SetText(IDC_INSTALL_OFFER_TEXT, IDS_INSTALL_OFFER_TEXT);
    ShowControl(IDC_INSTALL_OFFER_TEXT, m_bShowSpecialOffer);
    ShowControl(IDC_INSTALL_OFFER_LINK, m_bShowSpecialOffer);
    SetText(IDC_INSTALL_REGISTRATION_TEXT, IDS_INSTALL_PAGE4_REGISTRATION);
    ShowControl(IDC_INSTALL_REGISTRATION_TEXT, !CInstallStepBand::RegistrationHidden());
    SetText(IDC_INSTALL_AIO_TEXT, IDS_INSTALL_AIO_TEXT);
    ShowControl(IDC_INSTALL_AIO_TEXT, main->m_Product.CompareSetting("IDO_AIO_FAMILY", 1));
    FindInstallFolder();
    CString line;
    line.Format(LoadText(IDS_INSTALL_FOLDER_FORMAT), m_strInstallFolder.c_str());
    SetDlgItemText(IDC_INSTALL_FOLDER_TEXT, line);
    return TRUE;
}

void CInstallBackendPage4::FindInstallFolder() {
    const CQORTabDlg* main = g_pQORTabDlg;
    CRegistry registry;
    registry.SetFriendlyName(main->m_strPrinterName);
    BOOL created = FALSE;
    if (!registry.Create("QOR", &created))
        return;
    if (created) {
        CDirPick pick(this);
        if (pick.DoModal() == IDOK)
            m_strInstallFolder = pick.ChosenPath();
        return;
    }
    CString installDir;
    try {
        registry.Read("InstallDir", installDir);
    } catch (CRegistryException* error) {
        error->Delete();
        return;
    }
    m_strInstallFolder = InstallFolderOf(installDir.Left(MAX_PATH));
}

void CInstallBackendPage4::OnOfferLink() {
    m_OfferLink.FollowLink("IDO_SPECIALOFFER_SUBURL", TRUE);
}

void CInstallBackendPage4::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CInstallBackendWizardSheet* sheet = InstallSheet();
    if (!main || !sheet)
        return;
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    sheet->ShowInstallPage(CInstallStepBand::RegistrationHidden() ? InstallPage::Page3
                                                                  : InstallPage::Page5);
}

void CInstallBackendPage4::OnCancelbutton() {
    if (CInstallBackendWizardSheet* sheet = InstallSheet())
        sheet->RunClosingSequence(CInstallBackendWizardSheet::kPage4Closing);
}
