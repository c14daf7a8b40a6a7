// The accompanying applications' side of the post-install wizard, as the sheet and its pages
// reach it: the language page and the installation that asks nothing. The language page's own
// code fills these in; until then the sheet runs without it.
#pragma once

#include "Dialog.h"
#include "PropertySheet.h"

#include <memory>

// Which applications a silent installation takes, by the page that starts it.
enum class SilentInstallRule {
    SheetStart, // the sheet's start past its first page: applications 1 to 4 under their rules
    Page1,      // Page1 and Page2: as SheetStart, and application 2 never for "japanese"
};

// Installs, without showing anything, the accompanying applications that are available, through
// a language page that is never shown; sheet: the wizard whose window owns the installers' waits.
void InstallAvailableAppsSilently(CWnd* sheet, SilentInstallRule rule);

// Whether application 1 to 4 was installed during this load of the module.
bool IsAppInstalled(int application);

// The language and applications page; null while it is not built. openedByTopic: the sheet was
// opened on a given page by topic (the lists are then filled with every language).
std::unique_ptr<CPropertyPage> MakeLanguagePage(bool openedByTopic);

// The progress window of application 1 to 4's installer that the host's topics show (modeless,
// owned by the caller); null while it is not built.
std::unique_ptr<CDialog> MakeAppProgressDialog(int application);

// The prompt for the CD holding application 1's installer, run modal; its result.
INT_PTR RunFaxConfirmation();

// Records the user-interface language as the system's language id for the applications.
void RecordInterfaceLanguage();
