// What the post-install wizard's sheet and pages ask of the accompanying applications: the
// language page, and the installation without asking when every application's dialog is skipped.
#pragma once

#include "Dialog.h"

#include "PropertySheet.h"

#include <memory>

// Which applications a caller installs without asking, each when it is offered, available and
// allowed for the user interface's language and the printer's connection.
enum class SilentInstallRule {
    SheetStart,          // the sheet as it opens: applications 1 to 4
    Page1,               // the first page: the same, and application 2 never for Japanese
    TwoCartridgePage,    // the two-cartridge page: applications 1 and 2 only
    PhotoCartridgePage,  // the photo cartridge page: applications 1 to 4
    SingleCartridgePage, // the single-cartridge page: 1 to 4, and 2 and 4 never for Japanese
};

// The language page of the sheet; openedByTopic: the sheet opened on a topic's page, where the
// lists offer every language without searching the CD.
std::unique_ptr<CPropertyPage> MakeLanguagePage(bool openedByTopic);

// Installs the applications the rule names, from the CD or the preload file, with the progress
// window (owned by owner, which may be null) up while each installer runs. The module may be
// closed during an installer's wait: the caller checks g_pQORTabDlg before touching anything.
void InstallAvailableAppsSilently(CWnd* owner, SilentInstallRule rule);

// Whether the rule installs application `number` (1 to 4) without asking, by the model's options
// (through the main window), its connection, the language and the application's availability.
bool InstallsSilently(SilentInstallRule rule, int number);

// The progress window of application 1 or 2's installer that the host's topics show while the
// host runs it (modeless, no owner); null when it could not be made.
std::unique_ptr<CDialog> MakeAppProgressDialog(int application);

// The prompt for the CD holding application 1's installer, to run modal (its result 1: the user
// went on, otherwise skipped); null without the main object.
std::unique_ptr<CDialog> MakeFaxConfirmation();
