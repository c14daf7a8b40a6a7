#include "InstallCommands.h"

#include "PrinterHelpers.h"

CString LanguageFolderCommand(const InstallerPlace& place, const CString& languageFolder) {
    CString program = place.root + place.path;
    if (!languageFolder.IsEmpty())
        program += languageFolder + "\\";
    return QuotedProgram(program + place.name) + place.parameter;
}

CString LanguageIdCommand(const InstallerPlace& place, const char* windowsLanguageId) {
    return QuotedProgram(place.root + place.path + place.name) + place.parameter +
           windowsLanguageId + " /z-s";
}

CString OcrCommand(const InstallerPlace& place, const OcrLanguage& language) {
    const CString base = place.root + place.path;
    return QuotedProgram(base + place.name) + " \"" + base +
           "\\\" \"/qn TRANSFORMS=" + language.languageId +
           ".mst ABBYYUILANG=" + language.interfaceNumber + " INSTALLLEVEL=100\"";
}

CString ChineseOcrCommand(const InstallerPlace& place, const CString& directory) {
    return QuotedProgram(place.root + place.path + directory + "\\" + place.name) + place.parameter;
}
