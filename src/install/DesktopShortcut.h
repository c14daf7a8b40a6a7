// Desktop shortcuts: real shell links written through the shell's link object.
#pragma once

#include "CString.h"

#include <windows.h>

// A text value of an absolute key under root; empty when it cannot be read.
CString RegistryText(HKEY root, const char* key, const char* name);

// The desktop the shortcuts go on: on the Windows 95 family the user's own, elsewhere (and when
// the user's cannot be read) the desktop all users share; the Windows folder's
// "All Users\Desktop" when the registry names neither.
CString DesktopFolder();

// The file name of a link: a name that already ends in ".lnk" keeps it, any other gets it.
CString LinkFileName(const CString& folder, const char* linkName);

// Writes the link linkName on the desktop to target with its arguments, its working folder (the
// target's folder) and, with useIcon, the icon iconIndex of iconFile. With folderOnly a folder of
// that name is made instead. The last HRESULT; a failure is logged and goes no further.
HRESULT CreateDesktopShortcut(const char* target, const char* arguments, const char* linkName,
                              const char* iconFile, int iconIndex, BOOL useIcon, BOOL folderOnly);
