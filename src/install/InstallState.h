// What the post-install wizard learns while the module is loaded: the setup CD's findings, the
// accompanying applications' availability and the language page. Every sheet of one load of the
// module shares it; the flags are only ever set, except the last application check's results,
// which each check clears first. The CD root itself is g_szCDRoot (PrinterHelpers.h).
#pragma once

#include "CString.h"

extern CString g_strUILanguage; // the resource module's language name, such as "japanese"
extern BOOL g_bLanguagePageAdded;
extern BOOL g_bOpenedByTopic600;
extern BOOL g_bSkipAllAppDialogs;
extern BOOL g_bAnyAppOnCD;
extern BOOL g_bAnyAppPreloaded;
extern BOOL g_bApp1Preloaded;
extern BOOL g_bApp1Available;
extern BOOL g_bApp2Available;
extern BOOL g_bApp3Available;
extern BOOL g_bApp4Available;
extern BOOL g_bApp1LanguageFound;
extern BOOL g_bApp2LanguageFound;
extern BOOL g_bApp3LanguageFound;
extern BOOL g_bApp4LanguageFound;
extern BOOL g_bLastAppFound;
extern BOOL g_bLastAppPreloaded;
extern CString g_szPreloadAppPath; // the preload value of the last application found only there

// Looks for an accompanying application by its preload key name (the value of one of the options
// "IDO_APP1KEYNAME" .. "IDO_APP4KEYNAME") and its folder on the CD (relative to g_szCDRoot): the
// folder of the user-interface language is searched there, then the preload file's section
// "IDO_SECTIONNAME" is read for the key. Nonzero when the application is on the CD or preloaded;
// g_bLastAppFound, g_bLastAppPreloaded, the application's language flag and g_szPreloadAppPath say
// which. Needs the main window (its options, preload file and folder search); without it, 0.
BOOL CheckAccompanyingApp(const char* keyName, const char* path);

// Whether a preload value leaves the choice to the product: empty or "Default".
bool IsPreloadUnset(const CString& value);
