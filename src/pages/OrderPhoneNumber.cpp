#include "OrderPhoneNumber.h"

#include "CSpy.h"
#include "NvoIniFile.h"
#include "Operations.h"

#include <cctype>
#include <cstring>

namespace {
constexpr int kLocaleTextLength = 8;

CString PhoneNumberFile(const CString& fileName) {
    char system[MAX_PATH] = {};
    UINT length = ::GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    return CString(system) + "\\spool\\drivers\\x64\\3\\" + fileName;
}
} // namespace

CString PhoneNumberKey(const char* localeText) {
    if (!localeText || std::strlen(localeText) != kLocaleTextLength)
        return CString();
    for (int index = 0; index < kLocaleTextLength; ++index)
        if (!std::isxdigit(static_cast<unsigned char>(localeText[index])))
            return CString();
    return CString("  0x") + (localeText + 4);
}

CString ReadOrderPhoneNumber(const NvoProduct& product) {
    CSpy spy;
    spy.OutputData("ReadOrderPhoneNumber()");
    CString fileName, section, defaultKey;
    product.GetSetting("IDO_PHONENUMBER_INIFILE_NAME", fileName);
    product.GetSetting("IDO_PHONENUMBER_SECTION_NAME", section);
    product.GetSetting("IDO_PHONENNUMBER_DEFAULT_KEY_NAME", defaultKey);
    CString file = fileName.IsEmpty() ? CString() : PhoneNumberFile(fileName);
    if (file.IsEmpty() || section.IsEmpty()) {
        spy.OutputError("ReadOrderPhoneNumber() the model names no phone-number file");
        return CString();
    }
    char locale[16] = {};
    UtilGetLocaleText(locale, sizeof locale, nullptr, 0);
    CString number;
    CString key = PhoneNumberKey(locale);
    if (!key.IsEmpty())
        number = NvoIniFile::ReadINI(file, section, key);
    if (number.Trim().IsEmpty() && !defaultKey.IsEmpty())
        number = NvoIniFile::ReadINI(file, section, defaultKey);
    if (number.Trim().IsEmpty()) {
        spy.OutputError(
            "ReadOrderPhoneNumber() no number for the locale nor under the default key");
        spy.OutputEach(file, locale);
    }
    return number;
}
