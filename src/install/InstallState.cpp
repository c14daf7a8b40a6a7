#include "InstallState.h"

#include "CSpy.h"

#include <windows.h>

CString g_strUILanguage;
BOOL g_bLanguagePageAdded = 0;
BOOL g_bOpenedByTopic600 = 0;
BOOL g_bSkipAllAppDialogs = 0;
BOOL g_bAnyAppOnCD = 0;
BOOL g_bAnyAppPreloaded = 0;
BOOL g_bApp1Preloaded = 0;
BOOL g_bApp1Available = 0;
BOOL g_bApp2Available = 0;
BOOL g_bApp3Available = 0;
BOOL g_bApp4Available = 0;
BOOL g_bApp1LanguageFound = 0;
BOOL g_bApp2LanguageFound = 0;
BOOL g_bApp3LanguageFound = 0;
BOOL g_bApp4LanguageFound = 0;
BOOL g_bLastAppFound = 0;
BOOL g_bLastAppPreloaded = 0;
CString g_szPreloadAppPath;

BOOL SearchDirectory(const char* file, const char* directory) {
    CSpy spy;
    spy.OutputData("CInstallBackendWizardSheet::SearchDirectory()");
    spy.OutputData(file ? file : "");
    spy.OutputData(directory ? directory : "");
    CString path = CString(directory ? directory : "") + (file ? file : "");
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) {
        spy.OutputData("FindFile()...GetLastError()");
        spy.OutputData(static_cast<unsigned long>(::GetLastError()));
        return FALSE;
    }
    ::FindClose(search);
    return TRUE;
}
