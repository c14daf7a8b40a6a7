#include "SilentAppInstall.h"

#include "AppInstaller.h"
#include "CSpy.h"
#include "FaxConfirmation.h"
#include "InstallApp.h"
#include "InstallState.h"
#include "PrinterHelpers.h"
#include "QORTabDlg.h"
#include "SelectLanguage.h"

std::unique_ptr<CPropertyPage> MakeLanguagePage(bool openedByTopic) {
    return std::make_unique<CSelectLanguage>(openedByTopic);
}

bool InstallsSilently(SilentInstallRule rule, int number) {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main || number < 1 || number > kAccompanyingApps)
        return false;
    const AccompanyingApp app = AccompanyingApp::Read(main->m_Product, number);
    const bool portTakesApps = !PortTakesNoApps(main->m_PortInfo.dwPortType);
    if (!app.offered || ExcludedForJapanese(app))
        return false;
    if (rule == SilentInstallRule::TwoCartridgePage && number > 2)
        return false;
    const bool japanese = IsJapaneseInterface();
    if (japanese && ((rule == SilentInstallRule::Page1 && number == 2) ||
                     (rule == SilentInstallRule::SingleCartridgePage && number % 2 == 0)))
        return false;
    // A four-in-one model installs application 1 whatever the connection, found or not.
    if (number == 1 && main->m_Product.CompareSetting("IDO_FOURINONE", 1))
        return true;
    return portTakesApps && IsAppAvailable(number);
}

void InstallAvailableAppsSilently(CWnd* owner, SilentInstallRule rule) {
    CQORTabDlg* main = g_pQORTabDlg;
    CSpy spy;
    spy.OutputEach("InstallAvailableAppsSilently()", static_cast<int>(rule));
    if (!main)
        return;
    // Nobody is asked: every application counts as ticked, in the interface's language.
    CAppInstaller installer(*main, owner, AppChoices{});
    for (int number = 1; number <= kAccompanyingApps; ++number) {
        if (!InstallsSilently(rule, number))
            continue;
        installer.InstallApp(number);
        if (installer.ModuleClosed())
            return;
    }
}

std::unique_ptr<CDialog> MakeAppProgressDialog(int application) {
    // The window learns which installer runs as it opens.
    CInstallRunning running(application);
    auto window = std::make_unique<CInstallApp>();
    if (!window->Show(nullptr)) {
        CSpy().OutputError("MakeAppProgressDialog() the progress window could not be made");
        return nullptr;
    }
    return window;
}

std::unique_ptr<CDialog> MakeFaxConfirmation() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return nullptr;
    const AccompanyingApp app = AccompanyingApp::Read(main->m_Product, 1);
    return std::make_unique<CFaxConfirmation>(
        nullptr, CString(g_szCDRoot) + app.path + g_strUILanguage + "\\", app.name);
}
