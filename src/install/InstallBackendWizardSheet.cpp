#include "InstallBackendWizardSheet.h"

#include "AccompanyingApps.h"
#include "AreYouSure.h"
#include "CSpy.h"
#include "InstallBackendAutoAlignPage2.h"
#include "InstallBackendCartPage2.h"
#include "InstallBackendCongratsPage.h"
#include "InstallBackendPage1.h"
#include "InstallBackendPage2.h"
#include "InstallBackendPage3.h"
#include "InstallBackendPage4.h"
#include "InstallBackendPage5.h"
#include "InstallBackendPhotoCartPage2.h"
#include "InstallBackendSingleCartPage2.h"
#include "InstallState.h"
#include "main/PrinterHelpers.h"
#include "main/QORTabDlg.h"
#include "resource.h"

#include <algorithm>

namespace {
// The page of a kind.
std::unique_ptr<CPropertyPage> MakePage(InstallPage page, bool openedByTopic) {
    switch (page) {
    case InstallPage::Page1:
        return std::make_unique<CInstallBackendPage1>();
    case InstallPage::Page2:
        return std::make_unique<CInstallBackendPage2>();
    case InstallPage::Page3:
        return std::make_unique<CInstallBackendPage3>();
    case InstallPage::Page4:
        return std::make_unique<CInstallBackendPage4>();
    case InstallPage::Page5:
        return std::make_unique<CInstallBackendPage5>();
    case InstallPage::AreYouSure:
        return std::make_unique<CAreYouSure>();
    case InstallPage::SelectLanguage:
        return MakeLanguagePage(openedByTopic);
    case InstallPage::CartPage2:
        return std::make_unique<CInstallBackendCartPage2>();
    case InstallPage::PhotoCartPage2:
        return std::make_unique<CInstallBackendPhotoCartPage2>();
    case InstallPage::SingleCartPage2:
        return std::make_unique<CInstallBackendSingleCartPage2>();
    case InstallPage::AutoAlignPage2:
        return std::make_unique<CInstallBackendAutoAlignPage2>();
    case InstallPage::Congrats:
        return std::make_unique<CInstallBackendCongratsPage>();
    }
    return nullptr;
}

// The option of application n: "IDO_APP1" with n = 2 gives "IDO_APP2".
CString AppOption(const char* pattern, int application) {
    const char digit[] = {static_cast<char>('0' + application), '\0'};
    CString option(pattern);
    option.Replace("1", digit);
    return option;
}
} // namespace

BEGIN_MESSAGE_MAP(CInstallBackendWizardSheet, CQorWizardSheet)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CInstallBackendWizardSheet::CInstallBackendWizardSheet(int topic, CWnd* parent)
    : CQorWizardSheet(kInstallSheet, IDS_INSTALL_TITLE, parent), m_nTopic(topic) {
    CSpy spy;
    spy.OutputEach("CInstallBackendWizardSheet::CInstallBackendWizardSheet()", topic);
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    m_strPrinterName = main->m_strPrinterName;
    g_strUILanguage.LoadString(IDS_LANGUAGE_NAME);
    FindSetupCD("vqtrcomp.inf");
    if (main->m_Product.CompareSetting("IDO_BUNDLED_APPS", 1))
        CheckAccompanyingApps();
    if (main->m_Product.CompareSetting("IDO_AIO_FAMILY", 1)) {
        CRegistry registry;
        registry.SetFriendlyName(m_strPrinterName);
        if (registry.Create("AIO")) {
            try {
                registry.Write("RestartBmgr", 0ul);
            } catch (CRegistryException* error) {
                error->Delete();
            }
        }
    }
    WriteInstallRunning(m_strPrinterName, 1);
    if (topic == 600)
        g_bOpenedByTopic600 = 1;
    BuildPages();
}

CInstallBackendWizardSheet::~CInstallBackendWizardSheet() {
    WriteInstallRunning(m_strPrinterName, 0);
}

void CInstallBackendWizardSheet::OnDestroy() {
    WriteInstallRunning(m_strPrinterName, 0);
}

void CInstallBackendWizardSheet::WriteInstallRunning(const char* printerName, DWORD running) {
    CRegistry registry;
    registry.SetFriendlyName(printerName);
    if (!registry.Create("QOR"))
        return;
    // A write that fails is tried once more: a value left at 1 would say an installation runs.
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            registry.Write("Install Running", running);
            return;
        } catch (CRegistryException* error) {
            error->Delete();
        }
    }
}

void CInstallBackendWizardSheet::CheckAccompanyingApps() {
    CQORTabDlg* main = g_pQORTabDlg;
    const NvoProduct& product = main->m_Product;
    BOOL* const available[] = {&g_bApp1Available, &g_bApp2Available, &g_bApp3Available,
                               &g_bApp4Available};
    const BOOL* const languageFound[] = {&g_bApp1LanguageFound, &g_bApp2LanguageFound,
                                         &g_bApp3LanguageFound, &g_bApp4LanguageFound};
    const AppSkipContext context{g_strUILanguage.CompareNoCase("japanese") == 0,
                                 !product.CompareSetting("IDO_BUNDLED_APPS_DIALOGS_FOR_PRELOAD", 0),
                                 product.CompareSetting("IDO_FOURINONE", 1) != 0};
    bool skipped[4] = {};
    CSpy spy;
    for (int application = 1; application <= 4; ++application) {
        bool onCD = false;
        bool preloaded = false;
        if (product.CompareSetting(AppOption("IDO_APP1", application), 1)) {
            CString keyName, path, dirName;
            product.GetSetting(AppOption("IDO_APP1KEYNAME", application), keyName);
            product.GetSetting(AppOption("IDO_BUNDLED_APP1_PATH", application), path);
            product.GetSetting(AppOption("IDO_BUNDLED_APP1_DIRNAME", application), dirName);
            CheckAccompanyingApp(keyName, path);
            preloaded = g_bLastAppPreloaded;
            if (application == 1 && preloaded)
                g_bApp1Preloaded = 1;
            onCD = main->SearchDirectory(dirName, g_szCDRoot);
            spy.OutputEach(AppOption("App1onCD", application), static_cast<int>(onCD));
        }
        g_bAnyAppOnCD |= onCD;
        g_bAnyAppPreloaded |= preloaded;
        *available[application - 1] = onCD || preloaded;
        const AppFacts facts{
            onCD || preloaded, preloaded, *languageFound[application - 1] != 0,
            product.CompareSetting(AppOption("IDO_APP1_JAPANESE", application), 0) != 0,
            product.CompareSetting(AppOption("IDO_APP1_COMBO_SHOW_ALL_TIME", application), 1) != 0};
        skipped[application - 1] = AppSkipped(application, facts, context);
    }
    spy.OutputEach("app1Skip, app2Skip, app3Skip, app4Skip (#1)", static_cast<int>(skipped[0]),
                   static_cast<int>(skipped[1]), static_cast<int>(skipped[2]),
                   static_cast<int>(skipped[3]));
    if (std::all_of(std::begin(skipped), std::end(skipped), [](bool skip) { return skip; }) ||
        !main->m_bOfferApps)
        g_bSkipAllAppDialogs = 1;
}

void CInstallBackendWizardSheet::BuildPages() {
    CQORTabDlg* main = g_pQORTabDlg;
    const NvoProduct& product = main->m_Product;
    m_bStartAtTopicPage = IsTopicPageTopic(m_nTopic);
    const InstallPlanInput input{
        m_bStartAtTopicPage, product.CompareSetting("IDO_SUPPORT_AUTOALIGNMENT", 1) != 0,
        product.CompareSetting("IDO_2STEP_INSTALLWIZARD_OPTION", 1) != 0,
        product.CompareSetting("IDO_BUNDLED_APPS", 1) &&
            LanguagePageWanted(g_bSkipAllAppDialogs, product.CompareSetting("IDO_FOURINONE", 1),
                               main->m_PortInfo.dwPortType),
        main->m_Records.ink};
    CSpy spy;
    m_Middle = MiddlePageOf(input.autoAlignment, input.ink);
    const std::vector<InstallPage> plan = PlanInstallSheet(input);
    if (plan.empty()) {
        spy.OutputError("CInstallBackendWizardSheet: no middle page for this carrier");
        spy.OutputData(main->m_Records.ink.dwCarrierType);
        return;
    }
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    for (InstallPage kind : plan) {
        if (kind == InstallPage::SelectLanguage)
            g_bLanguagePageAdded = 1;
        pages.push_back(MakePage(kind, m_bStartAtTopicPage));
    }
    m_Plan = plan;
    TakePages(std::move(pages));
}

int CInstallBackendWizardSheet::IndexOf(InstallPage page) const {
    const auto found = std::find(m_Plan.begin(), m_Plan.end(), page);
    return found == m_Plan.end() ? -1 : static_cast<int>(found - m_Plan.begin());
}

BOOL CInstallBackendWizardSheet::ShowInstallPage(InstallPage page) {
    const int index = IndexOf(page);
    if (index < 0) {
        CSpy spy;
        spy.OutputEach("CInstallBackendWizardSheet::ShowInstallPage() not in this wizard",
                       static_cast<int>(page));
        return FALSE;
    }
    return ShowPageNumber(index);
}

InstallPage CInstallBackendWizardSheet::AfterLanguagePage() const {
    return IndexOf(InstallPage::Page4) >= 0 ? InstallPage::Page4 : InstallPage::Congrats;
}

void CInstallBackendWizardSheet::ShowMiddlePage() {
    if (m_Middle)
        ShowInstallPage(*m_Middle);
}

void CInstallBackendWizardSheet::ShowApplicationStep(bool applicationsSettled) {
    if (!applicationsSettled && IndexOf(InstallPage::SelectLanguage) >= 0)
        ShowInstallPage(InstallPage::SelectLanguage);
    else
        ShowInstallPage(AfterLanguagePage());
}

void CInstallBackendWizardSheet::RunApplicationStep(CWnd& page, SilentInstallRule rule) {
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    const NvoProduct& product = main->m_Product;
    bool settled = true;
    for (int application = 1; application <= 4; ++application)
        settled &= !product.CompareSetting(AppOption("IDO_APP1", application), 1) ||
                   IsAppInstalled(application);
    if (!settled && g_bSkipAllAppDialogs && product.CompareSetting("IDO_BUNDLED_APPS", 1) &&
        (g_bAnyAppOnCD || g_bAnyAppPreloaded)) {
        page.EnableWindow(FALSE);
        InstallAvailableAppsSilently(this, rule);
        // The installers' waits let the host's messages run: the module may have closed.
        if (g_pQORTabDlg != main)
            return;
        page.EnableWindow(TRUE);
    }
    ShowApplicationStep(settled || g_bSkipAllAppDialogs);
}

BOOL CInstallBackendWizardSheet::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CInstallBackendWizardSheet::OnInitDialog()");
    const BOOL result = CQorWizardSheet::OnInitDialog();
    if (m_bStartAtTopicPage) {
        const std::optional<InstallPage> page =
            m_Middle ? TopicPageOf(m_nTopic, *m_Middle) : std::nullopt;
        if (page)
            ShowInstallPage(*page);
    } else if (g_bOpenedByTopic600) {
        ShowInstallPage(InstallPage::Page5);
    } else {
        ShowStartPage();
    }
    return result;
}

void CInstallBackendWizardSheet::ShowStartPage() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    const NvoProduct& product = main->m_Product;
    CSpy spy;
    if (product.CompareSetting("IDO_INSTALL_OWN_USERGUIDE", 1)) {
        spy.OutputData("User Guide install feature is ON");
        InstallOwnUserGuide();
        if (::GetFileAttributesA(OwnUserGuidePath()) != INVALID_FILE_ATTRIBUTES)
            spy.OutputData("User Guide file has been found");
    }
    const DWORD port = main->m_PortInfo.dwPortType;
    const bool plainStart = port != 5 && port != 6 && port != 7 && port != 9 &&
                            !product.CompareSetting("IDO_SPECIFY_CARTRIDGE_INFO", 1) &&
                            !product.CompareSetting("IDO_2STEP_INSTALLWIZARD_OPTION", 1);
    if (plainStart) {
        ShowPageNumber(0);
        return;
    }
    if (product.CompareSetting("IDO_BUNDLED_APPS", 1) && g_bSkipAllAppDialogs) {
        InstallAvailableAppsSilently(this, SilentInstallRule::SheetStart);
        if (g_pQORTabDlg != main)
            return;
    }
    ShowApplicationStep(false);
}
