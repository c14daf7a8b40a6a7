#include "AppInstaller.h"

#include "CDConfirmation.h"
#include "CSpy.h"
#include "FaxConfirmation.h"
#include "InstallApp.h"
#include "InstallState.h"
#include "LanguageNames.h"
#include "PrinterHelpers.h"
#include "QORTabDlg.h"
#include "resource.h"

CAppInstaller::CAppInstaller(CQORTabDlg& main, CWnd* owner, const AppChoices& choices)
    : m_main(main), m_pOwner(owner), m_hOwner(owner ? owner->m_hWnd : nullptr), m_Choices(choices) {
}

bool CAppInstaller::ModuleClosed() const {
    return g_pQORTabDlg != &m_main || (m_hOwner && !::IsWindow(m_hOwner));
}

bool CAppInstaller::CheckSetupCd() {
    CSpy spy;
    spy.OutputData("CSelectLanguage::CheckSetupCd()");
    if (g_szCDRoot[0] == '\0' || ::GetDriveTypeA(g_szCDRoot) != DRIVE_CDROM) {
        spy.OutputData("This is not CD Drive");
        return true;
    }
    spy.OutputData("Drive is CDROM");
    CString marker;
    m_main.m_Product.GetSetting("IDO_FINDCDINFFILENAME", marker);
    for (;;) {
        if (SetupCdReadable()) {
            spy.OutputData("CD in the Drive");
            if (!marker.IsEmpty() && m_main.SearchDirectory(marker, g_szCDRoot)) {
                spy.OutputData("Correct CD in the Drive");
                return true;
            }
            spy.OutputData("Incorrect CD in the Drive");
        } else {
            spy.OutputData("No CD in the Drive");
        }
        CDConfirmation prompt(m_pOwner);
        const INT_PTR answer = prompt.DoModal();
        if (ModuleClosed())
            return false;
        if (answer != 1) {
            spy.OutputData("Setup CD skipped: nothing is installed from it");
            m_bCdSkipped = true;
            return false;
        }
    }
}

bool CAppInstaller::AppAllowed(const AccompanyingApp& app) const {
    if (!app.offered || ExcludedForJapanese(app))
        return false;
    return app.number != 2 || !PortTakesNoApps(m_main.m_PortInfo.dwPortType);
}

bool CAppInstaller::InstallChosen() {
    const NvoProduct& product = m_main.m_Product;
    const AccompanyingApp app1 = AccompanyingApp::Read(product, 1);
    // Each step is followed by a look at the module: an installer's wait may have closed it.
    auto install = [this, &product](int number) {
        if (AppAllowed(AccompanyingApp::Read(product, number)))
            InstallApp(number);
        return !ModuleClosed();
    };
    if (app1.offered && !CheckApp1Existance()) {
        // Application 1 is not on the CD (it may be preloaded): application 2 goes first.
        if (!install(2) || !install(1))
            return false;
    } else if (app1.offered) {
        if (!install(1) || !install(2))
            return false;
    } else if (!install(2)) {
        return false;
    }
    return install(3) && install(4);
}

int CAppInstaller::InstallApp(int number) {
    CSpy spy;
    CString routine;
    routine.Format("CSelectLanguage::InstallApp%d()", number);
    spy.OutputData(routine);
    if (IsAppInstalled(number)) {
        spy.OutputData("installed already");
        return 0;
    }
    const NvoProduct& product = m_main.m_Product;
    const AccompanyingApp app = AccompanyingApp::Read(product, number);
    if (number != 1 && !m_Choices[static_cast<size_t>(number)].ticked) {
        spy.OutputData("not chosen");
        return 0;
    }
    const CommandBuilder languageFolder = [this](const AccompanyingApp& a) {
        return LanguageFolderRoad(a);
    };
    const CommandBuilder languageId = [this](const AccompanyingApp& a) {
        return LanguageIdCommand(a.Place(), WindowsLanguageId(ChosenFolderId(a.number)));
    };
    if (!app.special) {
        if (number == 1)
            return InstallApp1Simple(app);
        routine.Format("InstallApp%dSimple()", number);
        return Install(app, routine, languageFolder);
    }
    const bool allInOne = product.CompareSetting("IDO_AIO_FAMILY", 1);
    switch (number) {
    case 1:
        return allInOne ? Install(app, "InstallApp1SpecialAIO()", languageId)
                        : Install(app, "InstallApp1SpecialPrinter()", languageFolder);
    case 2:
        return allInOne ? Install(app, "InstallApp2Special()",
                                  [this](const AccompanyingApp& a) { return OcrRoad(a); })
                        : Install(app, "InstallApp2SpecialPrinter()", languageId);
    case 3:
        return allInOne ? Install(app, "InstallApp3SpecialAIO()", languageFolder)
                        : NotImplemented("CSelectLanguage::InstallApp3SpecialPrinter()");
    default:
        return NotImplemented(allInOne ? "CSelectLanguage::InstallApp4SpecialAIO()"
                                       : "CSelectLanguage::InstallApp4SpecialPrinter()");
    }
}

int CAppInstaller::InstallApp1Simple(const AccompanyingApp& app) {
    const NvoProduct& product = m_main.m_Product;
    if (!m_Choices[1].ticked && !product.CompareSetting("IDO_FORCE_INSTALL_APP1", 1) &&
        !g_bApp1Preloaded) {
        CSpy().OutputData("InstallApp1Simple() declined");
        MarkAppInstalled(1);
        return 0;
    }
    if (product.CompareSetting("IDO_FORCE_INSTALL_APP1", 0))
        return Install(app, "InstallApp1Simple()",
                       [this](const AccompanyingApp& a) { return App1FromCd(a); });
    return Install(app, "InstallApp1Simple()",
                   [this](const AccompanyingApp& a) { return LanguageFolderRoad(a); });
}

int CAppInstaller::Install(const AccompanyingApp& app, const char* routine,
                           const CommandBuilder& fromCd) {
    CSpy spy;
    CheckAccompanyingApp(app.keyName, app.path);
    CString command;
    if (g_bLastAppPreloaded) {
        spy.OutputData(CString(routine) + " 1");
        command = g_szPreloadAppPath;
    } else {
        spy.OutputData(CString(routine) + " 2");
        if (m_bCdSkipped) {
            spy.OutputData("Setup CD skipped");
            return 0;
        }
        command = fromCd(app);
    }
    return command.IsEmpty() ? 0 : Run(app.number, command);
}

CString CAppInstaller::LanguageFolderRoad(const AccompanyingApp& app) {
    return LanguageFolderCommand(app.Place(), app.inRoot ? CString() : LanguageFolder(app));
}

CString CAppInstaller::OcrRoad(const AccompanyingApp& app) {
    const NvoProduct& product = m_main.m_Product;
    UINT folder = 0;
    if (g_bApp2LanguageFound) {
        folder = FolderIdOfName(g_strUILanguage);
        if (folder == IDS_LANGUAGE_FOLDER_CHINESE_TRADITIONAL ||
            folder == IDS_LANGUAGE_FOLDER_CHINESE_SIMPLIFIED)
            folder = IDS_LANGUAGE_FOLDER_CHINESE;
    } else {
        folder = FolderForDisplay(m_Choices[2].display, true);
        if (!folder)
            folder = FolderIdOfName(g_strUILanguage);
    }
    if (folder == IDS_LANGUAGE_FOLDER_CHINESE) {
        CString directory;
        InstallerPlace chinese = app.Place();
        product.GetSetting("IDO_BUNDLED_APP2_DIRECTORY_FOR_CHINESE", directory);
        product.GetSetting("IDO_BUNDLED_APP2_NAME_FOR_CHINESE", chinese.name);
        product.GetSetting("IDO_BUNDLED_APP2_PARAMETER_FOR_CHINESE", chinese.parameter);
        return ChineseOcrCommand(chinese, directory);
    }
    return OcrCommand(app.Place(), OcrLanguageFor(folder));
}

CString CAppInstaller::App1FromCd(const AccompanyingApp& app) {
    if (CheckApp1Existance())
        return m_strApp1Command;
    for (;;) {
        CFaxConfirmation prompt(m_pOwner, m_strApp1Folder, app.name);
        const INT_PTR answer = prompt.DoModal();
        if (ModuleClosed())
            return CString();
        if (answer != 1) {
            CSpy().OutputData("Application 1 skipped: its installer is not on the CD");
            return CString();
        }
        if (prompt.Found())
            return m_strApp1Command;
    }
}

BOOL CAppInstaller::CheckApp1Existance() {
    CSpy spy;
    spy.OutputData("CSelectLanguage::CheckApp1Existance()");
    const AccompanyingApp app = AccompanyingApp::Read(m_main.m_Product, 1);
    const CString language = ChosenFolderName(1);
    m_strApp1Folder = CString(g_szCDRoot) + app.path + language + "\\";
    m_strApp1Command = LanguageFolderCommand(app.Place(), language);
    const BOOL present = m_main.SearchDirectory(app.name, m_strApp1Folder);
    spy.OutputEach("CheckApp1Existance() app1PresentOnCD1 ==", present);
    return present;
}

int CAppInstaller::NotImplemented(const char* routine) {
    CSpy().OutputEach(routine, "!!!!!!Function not implemented!!!!!!!");
    return 0;
}

int CAppInstaller::Run(int number, const CString& command) {
    DWORD exitCode = 0;
    int launched = 0;
    {
        CInstallRunning running(number);
        CInstallApp progress;
        progress.Show(m_pOwner);
        launched = m_main.LaunchProgram(command, TRUE, &exitCode);
        if (ModuleClosed())
            return 0;
    }
    CSpy spy;
    spy.OutputEach("installer of application", number, "launch result", launched, "exit code",
                   exitCode);
    // An installer that could not start, or ended in failure, may be tried again in this load.
    if (launched != 1 || exitCode != 0)
        return 0;
    MarkAppInstalled(number);
    return 1;
}

CString CAppInstaller::LanguageFolder(const AccompanyingApp& app) const {
    if (m_main.m_Product.CompareSetting("IDO_FOURINONE", 1) && IsAppLanguageFound(app.number))
        return g_strUILanguage;
    return ChosenFolderName(app.number);
}

UINT CAppInstaller::ChosenFolderId(int number) const {
    const UINT chosen = FolderForDisplay(m_Choices[static_cast<size_t>(number)].display,
                                         UsesLanguageVariant(m_main.m_Product, number));
    return chosen ? chosen : FolderIdOfName(g_strUILanguage);
}

CString CAppInstaller::ChosenFolderName(int number) const {
    const UINT folder = ChosenFolderId(number);
    return folder ? LanguageName(folder) : g_strUILanguage;
}
