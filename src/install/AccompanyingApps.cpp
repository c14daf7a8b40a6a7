#include "AccompanyingApps.h"

#include "InstallState.h"
#include "PrinterHelpers.h"

#include <array>

namespace {
std::array<bool, kAccompanyingApps + 1> g_bAppInstalled{};
std::array<bool, kAccompanyingApps + 1> g_bAppInstallRunning{};

bool IsAppNumber(int number) {
    return number >= 1 && number <= kAccompanyingApps;
}

CString Setting(const NvoProduct& product, const CString& key) {
    CString value;
    product.GetSetting(key, value);
    return value;
}
} // namespace

CString AccompanyingApp::Option(const char* prefix, const char* suffix) const {
    CString key;
    key.Format("%s%d%s", prefix, number, suffix);
    return key;
}

AccompanyingApp AccompanyingApp::Read(const NvoProduct& product, int number) {
    AccompanyingApp app;
    app.number = number;
    app.offered = product.CompareSetting(app.Option("IDO_APP", ""), 1);
    app.special = product.CompareSetting(app.Option("IDO_BUNDLED_APP", "_SPECIALPARAMS"), 1);
    app.inRoot = product.CompareSetting(app.Option("IDO_APP", "_IN_ROOT"), 1);
    app.showAllTime = product.CompareSetting(app.Option("IDO_APP", "_COMBO_SHOW_ALL_TIME"), 1);
    app.notForJapanese = product.CompareSetting(app.Option("IDO_APP", "_JAPANESE"), 0);
    app.keyName = Setting(product, app.Option("IDO_APP", "KEYNAME"));
    app.path = Setting(product, app.Option("IDO_BUNDLED_APP", "_PATH"));
    app.name = Setting(product, app.Option("IDO_BUNDLED_APP", "_NAME"));
    app.parameter = Setting(product, app.Option("IDO_BUNDLED_APP", "_PARAMETER"));
    return app;
}

InstallerPlace AccompanyingApp::Place() const {
    return {CString(g_szCDRoot), path, name, parameter};
}

bool IsJapaneseInterface() {
    return g_strUILanguage.CompareNoCase("japanese") == 0;
}

bool ExcludedForJapanese(const AccompanyingApp& app) {
    return app.notForJapanese && IsJapaneseInterface();
}

bool PortTakesNoApps(DWORD portType) {
    return portType == 4 || portType == 5 || portType == 6 || portType == 7 || portType == 10;
}

bool UsesLanguageVariant(const NvoProduct& product, int number) {
    return number == 2 && !product.CompareSetting("IDO_BUNDLED_APP2_DIRNAME", "PHOTOCTR");
}

BOOL IsAppAvailable(int number) {
    const BOOL flags[] = {0, g_bApp1Available, g_bApp2Available, g_bApp3Available,
                          g_bApp4Available};
    return IsAppNumber(number) ? flags[number] : 0;
}

BOOL IsAppLanguageFound(int number) {
    const BOOL flags[] = {0, g_bApp1LanguageFound, g_bApp2LanguageFound, g_bApp3LanguageFound,
                          g_bApp4LanguageFound};
    return IsAppNumber(number) ? flags[number] : 0;
}

bool IsAppInstalled(int number) {
    return IsAppNumber(number) && g_bAppInstalled[static_cast<size_t>(number)];
}

void MarkAppInstalled(int number) {
    if (IsAppNumber(number))
        g_bAppInstalled[static_cast<size_t>(number)] = true;
}

void ForgetAppInstallations() {
    g_bAppInstalled.fill(false);
}

CInstallRunning::CInstallRunning(int number) : m_number(IsAppNumber(number) ? number : 0) {
    g_bAppInstallRunning[static_cast<size_t>(m_number)] = m_number != 0;
}

CInstallRunning::~CInstallRunning() {
    g_bAppInstallRunning[static_cast<size_t>(m_number)] = false;
}

int CInstallRunning::Take() {
    for (int number = 1; number <= kAccompanyingApps; ++number) {
        if (g_bAppInstallRunning[static_cast<size_t>(number)]) {
            g_bAppInstallRunning[static_cast<size_t>(number)] = false;
            return number;
        }
    }
    return 0;
}

bool SetupCdReadable() {
    if (g_szCDRoot[0] == '\0' || ::GetDriveTypeA(g_szCDRoot) != DRIVE_CDROM)
        return false;
    const UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL read =
        ::GetVolumeInformationA(g_szCDRoot, nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0);
    ::SetErrorMode(previous);
    return read != 0;
}
