// Installs the accompanying applications, from the setup CD or from the paths the preload file
// names, one installer at a time with the progress window up while it runs. The language page
// runs it with the user's choices; the silent installation runs it with none (every application
// ticked, each in the user interface's language).
#pragma once

#include "AccompanyingApps.h"
#include "CString.h"

#include <array>
#include <functional>

class CQORTabDlg;
class CWnd;

// What the user chose for one application on the language page.
struct AppChoice {
    bool ticked = true; // its check box is ticked, or the page did not ask
    UINT display = 0;   // the language chosen in its list (a display name id); 0: none
};
using AppChoices = std::array<AppChoice, kAccompanyingApps + 1>; // by application number

class CAppInstaller {
public:
    // owner: the window the prompts and the progress window belong to (may be null).
    CAppInstaller(CQORTabDlg& main, CWnd* owner, const AppChoices& choices);

    // Before anything is installed from a CD-ROM drive: the right CD must be in it. The user is
    // asked until it is, or skips (then nothing is installed from the CD). False when the user
    // skipped or the module was closed meanwhile.
    bool CheckSetupCd();
    // The Install button's order: application 1 first when its installer is on the CD, else
    // application 2 first; then 3 and 4. False when the module was closed meanwhile.
    bool InstallChosen();
    // One application by its routine (the special-parameters option and the model's family);
    // nonzero when its installer ran. An application installed before in this load is left.
    int InstallApp(int number);

    // Whether application 1's installer is in its language folder on the CD; the command that
    // starts it is kept.
    BOOL CheckApp1Existance();

    // Whether the module was closed while the user or an installer was waited for: then nothing
    // more is done.
    bool ModuleClosed() const;

private:
    using CommandBuilder = std::function<CString(const AccompanyingApp&)>;
    // Preloaded: the preload file's command; else, unless the CD was skipped, the builder's
    // command from the CD (empty: nothing runs). Then the installer runs.
    int Install(const AccompanyingApp& app, const char* routine, const CommandBuilder& fromCd);
    int InstallApp1Simple(const AccompanyingApp& app);
    // The command from the CD of the routines that use a language folder.
    CString LanguageFolderRoad(const AccompanyingApp& app);
    // The command of the text recognition installer.
    CString OcrRoad(const AccompanyingApp& app);
    // Application 1's command when its installer must be on the CD: asked for until it is.
    CString App1FromCd(const AccompanyingApp& app);
    int NotImplemented(const char* routine);
    int Run(int number, const CString& command);

    // The language folder an installer is taken from (a name), and the one the list's choice
    // stands for (an id; the user interface's language when nothing is chosen).
    CString LanguageFolder(const AccompanyingApp& app) const;
    UINT ChosenFolderId(int number) const;
    CString ChosenFolderName(int number) const;
    bool AppAllowed(const AccompanyingApp& app) const;

    CQORTabDlg& m_main;
    CWnd* m_pOwner;
    HWND m_hOwner;
    AppChoices m_Choices;
    bool m_bCdSkipped = false;
    // CheckApp1Existance's findings.
    CString m_strApp1Folder;
    CString m_strApp1Command;
};
