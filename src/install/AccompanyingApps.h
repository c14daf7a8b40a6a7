// The accompanying applications as the model's options describe them, the rules that leave one
// out, and what this load of the module knows of their installation: which installed (each at
// most once per load) and which installer is running now.
#pragma once

#include "CString.h"
#include "InstallCommands.h"
#include "NvoProduct.h"

#include <windows.h>

constexpr int kAccompanyingApps = 4;

struct AccompanyingApp {
    // Application n (1 to 4) from its options ("IDO_APP1", "IDO_BUNDLED_APP1_PATH", ...).
    static AccompanyingApp Read(const NvoProduct& product, int number);

    int number = 0;
    bool offered = false;        // "IDO_APPn" is 1
    bool special = false;        // "IDO_BUNDLED_APPn_SPECIALPARAMS" is 1
    bool inRoot = false;         // "IDO_APPn_IN_ROOT" is 1: no language folder
    bool showAllTime = false;    // "IDO_APPn_COMBO_SHOW_ALL_TIME" is 1
    bool notForJapanese = false; // "IDO_APPn_JAPANESE" is 0
    CString keyName;             // its key in the preload file
    CString path;                // its folder on the CD, under the root
    CString name;                // the installer
    CString parameter;           // the installer's arguments
    // Where its installer lies on the setup CD (g_szCDRoot).
    InstallerPlace Place() const;
    // Option "IDO_APPn..." or "IDO_BUNDLED_APPn..." of this application: prefix + n + suffix.
    CString Option(const char* prefix, const char* suffix) const;
};

// Whether the user interface is Japanese, where some applications are never installed.
bool IsJapaneseInterface();
bool ExcludedForJapanese(const AccompanyingApp& app);
// The connections on which only application 1 is offered: 4, 5, 6, 7 and 10.
bool PortTakesNoApps(DWORD portType);
// The text recognition application's list shows Brazilian for Portuguese and maps both Chinese
// names to one folder, unless its folder is the photo centre's.
bool UsesLanguageVariant(const NvoProduct& product, int number);

// Module-wide state of the sheet (InstallState.h) per application.
BOOL IsAppAvailable(int number);
BOOL IsAppLanguageFound(int number);

// Installed (or, for application 1, declined) in this load of the module.
bool IsAppInstalled(int number);
void MarkAppInstalled(int number);
// Forgets every installation: a test's fresh start.
void ForgetAppInstallations();

// The installer of an application runs while this lives: the progress window reads it. Its end
// clears the flag whatever the installer did.
class CInstallRunning {
public:
    explicit CInstallRunning(int number);
    ~CInstallRunning();
    CInstallRunning(const CInstallRunning&) = delete;
    CInstallRunning& operator=(const CInstallRunning&) = delete;

    // The application whose installer runs, its flag cleared; 0 when none runs.
    static int Take();

private:
    int m_number;
};

// Whether the setup CD's drive is a CD-ROM drive with a disc that can be read (critical-error
// boxes off while it is asked).
bool SetupCdReadable();
