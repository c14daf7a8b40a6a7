// Module-wide state of the printer, registry and program-launch helpers of CQORTabDlg.
#pragma once

#include "CString.h"

#include <windows.h>

// The root of the installation CD with its trailing backslash ("D:\"), as CQORTabDlg::FindCDRoot
// last found it; empty until then. A registered root that would not fit here with its backslash
// is refused (logged) and leaves the buffer as it was: a cut path would name another folder.
extern char g_szCDRoot[MAX_PATH];

// The model's supplies key under HKEY_LOCAL_MACHINE: the low-ink thresholds and the service tag.
CString ModelSuppliesKey();

// The sound of a cartridge change. It is looked for beside the module first (where the printer
// software installs it), then in the Windows media folder.
constexpr const char* kCartridgeChangeSound = "nvo_ntmg.wav";

// The printer-driver folder under the system directory, with its closing backslash
// ("C:\windows\system32\spool\drivers\x64\"); the help files are in its folder "3\".
CString DriverFolder();

// A program's path in double quotes, for the start of a command line: a path with blanks is
// otherwise cut at the first blank that names a program ("C:\Program Files\..." runs
// "C:\Program.exe").
CString QuotedProgram(const char* path);

// The web-update program's command line from its option (a program, then the start of its
// arguments, "vqtrwupd.exe /lang:") and the resource module's language name: the program quoted,
// in folder (with its closing backslash) when the option names no folder, then the arguments
// with the language name after them. Empty when the option is empty.
CString WebUpdateCommandLine(const char* option, const char* language, const char* folder);
