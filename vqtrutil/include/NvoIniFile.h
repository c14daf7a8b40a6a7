// Reading of ini files through the system's profile functions.
#pragma once

#include "CString.h"
#include "UtilApi.h"

class VQTRUTIL_API NvoIniFile {
public:
    // The value of key in section of the ini file (a full path: a bare name means a file of the
    // Windows folder). Values of any length are read whole. A missing file, section or key, or a
    // null argument, gives defaultText (empty in the first form).
    static CString ReadINI(const char* file, const char* section, const char* key);
    static CString ReadINI(const char* file, const char* section, const char* key,
                           const char* defaultText);
};
