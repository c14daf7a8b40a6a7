// Ini file reading through the system's profile functions.
#include "NvoIniFile.h"
#include "UtilTestSupport.h"

#include <gtest/gtest.h>
#include <string>

using utiltest::TempFile;

namespace {

TEST(IniFile, ValuesByFileSectionAndKeyWithDefaults) {
    TempFile file(".ini");
    file.Write("[PhoneNumbers]\n  0x0409=1-800-555-0100\nDefault=555-0199\n[Other]\nKey=x\n");
    struct Case {
        const char* section;
        const char* key;
        const char* defaultText;
        const char* expected;
    } const cases[] = {
        {"PhoneNumbers", "0x0409", nullptr, "1-800-555-0100"},
        {"PhoneNumbers", "Default", "none", "555-0199"},
        {"PhoneNumbers", "0x0411", nullptr, ""},
        {"PhoneNumbers", "0x0411", "none", "none"},
        {"Missing", "Key", "none", "none"},
        {"Other", "Key", nullptr, "x"},
        {nullptr, "Key", "none", "none"},
        {"Other", nullptr, "none", "none"},
    };
    for (const Case& c : cases) {
        const CString value =
            c.defaultText ? NvoIniFile::ReadINI(file.Path(), c.section, c.key, c.defaultText)
                          : NvoIniFile::ReadINI(file.Path(), c.section, c.key);
        EXPECT_STREQ(value, c.expected)
            << (c.section ? c.section : "(null)") << " " << (c.key ? c.key : "(null)");
    }
}

TEST(IniFile, AMissingFileGivesTheDefault) {
    TempFile missing(".ini");
    EXPECT_STREQ(NvoIniFile::ReadINI(missing.Path(), "A", "B", "fallback"), "fallback");
    EXPECT_STREQ(NvoIniFile::ReadINI(nullptr, "A", "B", "fallback"), "fallback");
    EXPECT_STREQ(NvoIniFile::ReadINI(missing.Path(), "A", "B"), "");
}

TEST(IniFile, LongValuesAreReadWhole) {
    TempFile file(".ini");
    for (const size_t length : {255u, 256u, 257u, 4095u, 20000u, 32767u}) {
        std::string value(length, 'v');
        value.back() = 'z';
        file.Write("[Section]\nKey=" + value + "\n");
        EXPECT_EQ(NvoIniFile::ReadINI(file.Path(), "Section", "Key").str(), value) << length;
    }
}

} // namespace
