#include "NvoIniFile.h"

#include "CSpy.h"

#include <string>
#include <windows.h>

CString NvoIniFile::ReadINI(const char* file, const char* section, const char* key) {
    return ReadINI(file, section, key, "");
}

CString NvoIniFile::ReadINI(const char* file, const char* section, const char* key,
                            const char* defaultText) {
    if (!defaultText)
        defaultText = "";
    // A null section or key would ask for the list of names instead of a value.
    if (!file || !section || !key) {
        CSpy spy;
        spy.OutputData("NvoIniFile::ReadINI() called without a file, section or key");
        return defaultText;
    }
    std::string value(256, '\0');
    for (;;) {
        const DWORD length = GetPrivateProfileStringA(section, key, defaultText, value.data(),
                                                      static_cast<DWORD>(value.size()), file);
        // A value that fills the buffer to the last character may have been cut: read again.
        if (length + 1 < value.size()) {
            value.resize(length);
            return CString(std::move(value));
        }
        value.resize(value.size() * 2);
    }
}
