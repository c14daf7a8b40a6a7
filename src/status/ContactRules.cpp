#include "ContactRules.h"

#include <initializer_list>
#include <string.h>

bool ShowsSpecialOffer(const char* localeText) {
    if (!localeText)
        return false;
    for (const char* offered : {"00000409", "00001009"})
        if (::_stricmp(localeText, offered) == 0)
            return true;
    return false;
}
