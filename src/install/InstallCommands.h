// The command lines of the accompanying applications' installers, as text built from where an
// installer lies on the CD and what it takes. The installer's own path always stands in double
// quotes: a blank in the CD root or a folder would otherwise start another program.
#pragma once

#include "CString.h"
#include "LanguageNames.h"

// Where an installer lies on the CD and the arguments its options give it.
struct InstallerPlace {
    CString root;      // the CD root, "S:\"
    CString path;      // the application's folder under the root, with its closing backslash
    CString name;      // the installer's file name
    CString parameter; // its arguments, appended as they stand (they begin with their blank)
};

// root + path [+ language folder + "\"] + name, then the arguments. An empty language folder
// means the installer lies in the application's folder itself.
CString LanguageFolderCommand(const InstallerPlace& place, const CString& languageFolder);
// The installers that take a Windows language id and "/z-s" after their arguments.
CString LanguageIdCommand(const InstallerPlace& place, const char* windowsLanguageId);
// The text recognition installer: its package folder and, in quotes, its transform and
// interface number.
CString OcrCommand(const InstallerPlace& place, const OcrLanguage& language);
// The text recognition installer of the Chinese interfaces, in a folder of its own.
CString ChineseOcrCommand(const InstallerPlace& place, const CString& directory);
