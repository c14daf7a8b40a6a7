// The options of the printer model. Each option is a line "IDO_NAME=text" in the section [Options]
// of an ini file: the file named by the environment variable VQTR_OPTIONS, or else vqtrprod.ini
// beside vqtrutil.dll (the family's default model).
//
// Blanks around keys and values do not count; a value in double quotes stands without them and
// keeps its blanks (" /s"). Lines starting with ';' are comments.
//
// Objects are cheap and may be made per use: the parsed file is kept once for the process and is
// read again only when VQTR_OPTIONS names another file or the file's modification time or size
// changes, so every lookup is a map lookup after one look at the file's time stamp. Keys are
// matched without regard to case, as in any ini file. A file that cannot be read leaves every
// option missing and writes one error to the debug log (once per change of the file).
//
// A missing option reads as empty text and compares equal to nothing, not even "". An option
// present with an empty value compares equal to "".
#pragma once

#include "CString.h"
#include "UtilApi.h"

class VQTRUTIL_API NvoProduct {
public:
    // The option's text; FALSE, and value empty, when the option is missing.
    BOOL GetSetting(const char* key, CString& value) const;
    // The option as a number: decimal, or hexadecimal after "0x"; a leading '-' negates in 32-bit
    // arithmetic, so "-4" reads as 0xFFFFFFFC and a cast to LONG gives -4 back. FALSE, and value
    // 0, when the option is missing or its text is not such a number.
    BOOL GetSetting(const char* key, unsigned long& value) const;

    // Nonzero when the option's text is exactly the decimal form of value ("1", "-4").
    BOOL CompareSetting(const char* key, int value) const;
    BOOL CompareSetting(const char* key, unsigned int value) const;
    BOOL CompareSetting(const char* key, long value) const;
    BOOL CompareSetting(const char* key, unsigned long value) const;
    // Nonzero when the option's text is exactly value (case matters).
    BOOL CompareSetting(const char* key, const CString& value) const;
    BOOL CompareSetting(const char* key, const char* value) const;

    // The full path of the options file in force now.
    static CString GetOptionsFile();
};
