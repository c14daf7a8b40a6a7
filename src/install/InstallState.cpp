#include "InstallState.h"

#include "CSpy.h"
#include "PrinterHelpers.h"
#include "QORTabDlg.h"
#include "resource.h"

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

namespace {
// The language folder the OCR application is filed under: the Chinese user interfaces share one.
CString OcrLanguageFolder() {
    CString traditional, simplified, shared;
    traditional.LoadString(IDS_LANGUAGE_FOLDER_CHINESE_TRADITIONAL);
    simplified.LoadString(IDS_LANGUAGE_FOLDER_CHINESE_SIMPLIFIED);
    shared.LoadString(IDS_LANGUAGE_FOLDER_CHINESE);
    if (g_strUILanguage.CompareNoCase(traditional) == 0 ||
        g_strUILanguage.CompareNoCase(simplified) == 0)
        return shared;
    return g_strUILanguage;
}

bool Matches(const NvoProduct& product, const char* option, const char* keyName) {
    CString value;
    return product.GetSetting(option, value) && value == keyName;
}
} // namespace

bool IsPreloadUnset(const CString& value) {
    return value.IsEmpty() || value == "Default";
}

BOOL CheckAccompanyingApp(const char* keyName, const char* path) {
    CSpy spy;
    spy.OutputEach("CheckAccompanyingApp()", keyName ? keyName : "", path ? path : "");
    g_bLastAppFound = 0;
    g_bLastAppPreloaded = 0;
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main || !keyName) {
        spy.OutputError("CheckAccompanyingApp() without the main window or a key name");
        return 0;
    }
    const NvoProduct& product = main->m_Product;
    CString folder = CString(g_szCDRoot) + (path ? path : "");
    const CString key(keyName);
    if (Matches(product, "IDO_APP2KEYNAME", keyName)) {
        const bool ocr = product.CompareSetting("IDO_BUNDLED_APP2_DIRNAME", "OCR");
        g_bLastAppFound =
            main->SearchDirectory(ocr ? OcrLanguageFolder() : g_strUILanguage, folder);
        g_bApp2LanguageFound |= g_bLastAppFound;
    } else if (Matches(product, "IDO_APP1KEYNAME", keyName)) {
        g_bLastAppFound = main->SearchDirectory(g_strUILanguage, folder);
        g_bApp1LanguageFound |= g_bLastAppFound;
    } else if (Matches(product, "IDO_APP3KEYNAME", keyName)) {
        g_bLastAppFound = main->SearchDirectory(g_strUILanguage, folder);
        g_bApp3LanguageFound |= g_bLastAppFound;
    } else if (key.CompareNoCase("Program3") != 0 && Matches(product, "IDO_APP4KEYNAME", keyName)) {
        g_bLastAppFound = main->SearchDirectory(g_strUILanguage, folder);
        g_bApp4LanguageFound |= g_bLastAppFound;
    }
    CString section;
    product.GetSetting("IDO_SECTIONNAME", section);
    CString preload = main->ReadPreloadValue(keyName, section);
    if (IsPreloadUnset(preload))
        return g_bLastAppFound;
    if (!g_bLastAppFound)
        g_bLastAppPreloaded = 1;
    g_szPreloadAppPath = preload;
    return 1;
}
