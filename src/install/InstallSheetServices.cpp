// The services the post-install wizard's pages call: the setup CD, the desktop shortcuts, program
// starts, the installation date, the user guides and the closing sequence.
#include "CSpy.h"
#include "DesktopShortcut.h"
#include "InstallBackendWizardSheet.h"
#include "InstallState.h"
#include "Operations.h"
#include "main/PrinterHelpers.h"
#include "main/QORTabDlg.h"
#include "resource.h"

#include <shlobj.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {
constexpr const char* kProductFolder = "\\Corvane Q710 Series\\";
constexpr const char* kWindowsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// The first drive root, floppies left out, for which found says yes; empty when none.
CString FirstDrive(const std::function<bool(const char* root)>& found) {
    const DWORD size = ::GetLogicalDriveStringsA(0, nullptr);
    if (size == 0)
        return CString();
    // The list may grow between the two calls: a little room beyond the size asked for, and a
    // list that still does not fit is not read.
    std::vector<char> list(size + 10, '\0');
    const DWORD length = ::GetLogicalDriveStringsA(static_cast<DWORD>(list.size()), list.data());
    if (length == 0 || length >= list.size())
        return CString();
    for (const char* root = list.data(); *root; root += std::strlen(root) + 1) {
        const CString drive(root);
        if (drive.CompareNoCase("A:\\") == 0 || drive.CompareNoCase("B:\\") == 0)
            continue;
        if (found(root))
            return drive;
    }
    return CString();
}

CString SystemFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    return CString(folder, length < MAX_PATH ? static_cast<int>(length) : 0);
}

CString Option(const char* key) {
    CString value;
    if (g_pQORTabDlg)
        g_pQORTabDlg->m_Product.GetSetting(key, value);
    return value;
}

bool OptionIs(const char* key, int value) {
    return g_pQORTabDlg && g_pQORTabDlg->m_Product.CompareSetting(key, value);
}

bool Exists(const char* path) {
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

void CopyOver(const char* source, const char* destination) {
    const BOOL copied = ::CopyFileA(source, destination, FALSE);
    CSpy().OutputEach("CopyFile()", source, destination, copied);
}

CString GuideName() {
    const DWORD platform = CRegistry::GetOSPlatform();
    return Option(platform == 9 || platform == 10 ? "IDO_USERGUIDE_NAME_XP"
                                                  : "IDO_USERGUIDE_NAME_9X2K");
}
} // namespace

CString CInstallBackendWizardSheet::PreloadValue(const char* keyOption) {
    CQORTabDlg* main = g_pQORTabDlg;
    return main ? main->ReadPreloadValue(Option(keyOption), Option("IDO_PLC_SECTION_NAME"))
                : CString();
}

BOOL CInstallBackendWizardSheet::FindSetupCD(const char* marker) {
    CSpy spy;
    spy.OutputEach("CInstallBackendWizardSheet::FindSetupCD()", marker);
    CQORTabDlg* main = g_pQORTabDlg;
    g_szCDRoot[0] = '\0';
    if (!main)
        return FALSE;
    const CString root = FirstDrive([main, marker](const char* drive) {
        if (std::strlen(drive) + 1 > sizeof g_szCDRoot) {
            CSpy().OutputError("FindSetupCD() a drive root too long for the CD root");
            return false;
        }
        return main->SearchDirectory(marker, drive) != 0;
    });
    // A drive without the marker is no setup CD: the CD-based checks then find nothing.
    std::memcpy(g_szCDRoot, root.c_str(), static_cast<size_t>(root.GetLength()) + 1);
    spy.OutputEach("g_szCDRoot", g_szCDRoot);
    return !root.IsEmpty();
}

CString CInstallBackendWizardSheet::FindDriveWithFile(const char* relativePath) {
    return FirstDrive(
        [relativePath](const char* root) { return Exists(CString(root) + relativePath); });
}

namespace {
CString ProgramFolder() {
    return RegistryText(HKEY_LOCAL_MACHINE, kWindowsKey, "ProgramFilesDir (x86)") + kProductFolder;
}
} // namespace

BOOL CInstallBackendWizardSheet::VerifyAioCenter() {
    CSpy spy;
    const CString path = ProgramFolder() + "vqtraiox.exe";
    spy.OutputEach("Verifying AIO existance", path);
    const BOOL found = Exists(path);
    spy.OutputEach("FindFile() return code", found);
    return found;
}

HRESULT CInstallBackendWizardSheet::CreateAioDesktopIcon() {
    CSpy().OutputData("create desktop icon (aio center)");
    CString name;
    name.LoadString(IDS_INSTALL_AIO_SHORTCUT);
    return CreateDesktopShortcut(ProgramFolder() + "vqtraiox.exe", " ", name, " ", 0, FALSE, FALSE);
}

HRESULT CInstallBackendWizardSheet::CreatePrinterProgramDesktopIcon() {
    CString spool;
    switch (CRegistry::GetOSVer()) {
    case 7:
        spool = "spool\\drivers\\x64\\2\\";
        break;
    case 8:
    case 9:
    case 10:
        spool = "spool\\drivers\\x64\\3\\";
        break;
    default:
        break;
    }
    CString name;
    name.LoadString(IDS_INSTALL_PRINTER_SHORTCUT);
    const CString system = SystemFolder() + "\\";
    return CreateDesktopShortcut(system + spool + "vqtrpswx", "/M=Corvane Q710 Series /T=100 /L=a",
                                 name, system + "vqtrqorr.dll", 0, TRUE, FALSE);
}

HRESULT CInstallBackendWizardSheet::CreateQORDesktopIcon() {
    const DWORD version = CRegistry::GetOSVer();
    CString folder = SystemFolder() + "\\";
    if (version == 8 || version == 9 || version == 10)
        folder += Option("IDO_QOR_EXECUTABLENAME_WIN2000_PATH");
    CString name;
    name.LoadString(IDS_INSTALL_QOR_SHORTCUT);
    return CreateDesktopShortcut(folder + Option("IDO_QOR_EXECUTABLENAME"),
                                 Option("IDO_DESKTOPICON_EXECUTABLENAME_ARGUMENTS"), name,
                                 folder + Option("IDO_QOR_RESDLL"), 1, TRUE, FALSE);
}

void CInstallBackendWizardSheet::LaunchFromProgramFolder(const char* file) {
    CSpy spy;
    const CString folder = ProgramFolder();
    CString command = QuotedProgram(folder + file);
    spy.OutputEach("lanuch program file exe", command);
    std::vector<char> line(command.c_str(), command.c_str() + command.GetLength() + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNA;
    PROCESS_INFORMATION started{};
    // The program runs in its own folder; the host's current folder stays as it was.
    const BOOL result = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                                         DETACHED_PROCESS | NORMAL_PRIORITY_CLASS, nullptr, folder,
                                         &startup, &started);
    spy.OutputEach("CreateProcess() Return Code", result);
    if (result) {
        ::CloseHandle(started.hThread);
        ::CloseHandle(started.hProcess);
    }
}

void CInstallBackendWizardSheet::WaitForDeviceInstall(const char* waitLog) {
    CSpy spy;
    bool logged = false;
    while (UtilIsDeviceInstalling()) {
        if (!logged)
            spy.OutputData(waitLog);
        logged = true;
        ::Sleep(100);
    }
    spy.OutputData("No device install in progress.");
}

void CInstallBackendWizardSheet::WriteInstallTime(const char* printerName) {
    CSpy spy;
    SYSTEMTIME now{};
    ::GetSystemTime(&now);
    const CString date = InstallDateText(now);
    spy.OutputEach("System Month for Installtime Entry:", static_cast<int>(now.wMonth),
                   "System Day for Installtime Entry:", static_cast<int>(now.wDay),
                   "System Year for Installtime Entry:", static_cast<int>(now.wYear),
                   "System Date for Installtime Entry - before creating in the registry:", date);
    CRegistry registry;
    registry.SetFriendlyName(printerName);
    CString original;
    if (registry.Open("PrinterDriverData")) {
        try {
            registry.Read("OriginalFriendlyName", original);
        } catch (CRegistryException* error) {
            error->Delete();
            original.Empty();
        }
    }
    if (original.IsEmpty())
        return;
    CRegistry settings;
    if (!settings.Create("SOFTWARE\\Corvane\\IJPrtSettings\\" + original, nullptr, FALSE))
        return;
    CString stored;
    try {
        // Written with its terminator, so that every reader gets the eight digits and no more.
        settings.Write("InstallTime", date);
        settings.Read("InstallTime", stored);
    } catch (CRegistryException* error) {
        error->Delete();
    }
    spy.OutputEach("System Date reading from the registry...just after creating:", stored);
}

void CInstallBackendWizardSheet::CopyPubFiles() {
    CSpy spy;
    spy.OutputData("CInstallBackendWizardSheet::CopyPubFiles()");
    const CString guide = GuideName();
    const CString destination =
        SystemFolder() + "\\" + Option("IDO_QOR_EXECUTABLENAME_PATH") + guide;
    if (Exists(destination))
        return;
    const CString source = "pubs\\" + g_strUILanguage + "\\" + guide;
    const CString drive = FindDriveWithFile(source);
    if (!drive.IsEmpty())
        CopyOver(drive + source, destination);
}

CString CInstallBackendWizardSheet::OwnUserGuidePath() {
    return RegistryText(HKEY_LOCAL_MACHINE, kWindowsKey, "ProgramFilesDir") + "\\" +
           Option("IDO_OWN_USERGUIDE_DIRNAME") + "\\" + Option("IDO_OWN_USERGUIDE_NAME");
}

void CInstallBackendWizardSheet::InstallOwnUserGuide() {
    CSpy spy;
    const CString destination = OwnUserGuidePath();
    spy.OutputEach("Dest Path for User Guide", destination);
    if (Exists(destination))
        return;
    const CString preload =
        CInstallBackendWizardSheet::PreloadValue("IDO_PRELOAD_USER_GUIDE_KEY_NAME");
    CString source;
    if (!preload.IsEmpty()) {
        spy.OutputData("Preload  file found");
        if (preload == "Default" || preload == "0" || preload == Option("IDO_NULLSTRING"))
            return;
        spy.OutputEach("Got correct key in Preload  file", preload);
        source = preload;
    } else {
        source = CString(g_szCDRoot) + "pubs\\" + g_strUILanguage + "\\" + GuideName();
        spy.OutputEach("Install other than preload and source path", source);
    }
    // The guide's own folder may not exist yet.
    const int folderEnd = destination.ReverseFind('\\');
    if (folderEnd > 0)
        ::SHCreateDirectoryExA(nullptr, destination.Left(folderEnd), nullptr);
    CopyOver(source, destination);
}

void CInstallBackendWizardSheet::RunClosingSequence(const ClosingVariant& variant) {
    CSpy spy;
    spy.OutputData("CInstallBackendWizardSheet::RunClosingSequence()");
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    const bool remote = IsRemotePort(main->m_PortInfo.dwPortType);
    const auto allowed = [&variant](const char* preloadKey) {
        return !variant.preloadDecides ||
               !PreloadRefuses(CInstallBackendWizardSheet::PreloadValue(preloadKey));
    };
    const bool monitorShortcut = variant.shortcut == ClosingShortcut::MonitorOnTwoStep &&
                                 OptionIs("IDO_2STEP_INSTALLWIZARD_OPTION", 1);
    const bool shortcut = variant.shortcut != ClosingShortcut::None;
    if (!(variant.leaveOutRemotePorts && remote)) {
        if (OptionIs("IDO_AIO_FAMILY", 1)) {
            if (!variant.requireAioCenter || VerifyAioCenter()) {
                if (shortcut && allowed("IDO_PRELOAD_KEY_DESKTOPICON2"))
                    monitorShortcut ? CreateQORDesktopIcon() : CreateAioDesktopIcon();
                WaitForDeviceInstall(variant.deviceWaitLog);
                if (allowed("IDO_PRELOAD_KEY_LAUNCHAIO"))
                    LaunchFromProgramFolder("vqtraiox.exe");
            }
        } else if (shortcut && allowed("IDO_PRELOAD_KEY_DESKTOPICON1")) {
            monitorShortcut ? CreateQORDesktopIcon() : CreatePrinterProgramDesktopIcon();
        }
    }
    if (variant.writeInstallTime)
        WriteInstallTime(m_strPrinterName);
    EndInstallWizard();
}

void CInstallBackendWizardSheet::EndInstallWizard() {
    CSpy().OutputData("CInstallBackendWizardSheet::EndInstallWizard()");
    // The window's end resets "Install Running"; the shutdown check may close the module: nothing
    // of this sheet is touched afterwards.
    CloseWizard(true);
}
