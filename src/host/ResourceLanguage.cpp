#include "ResourceLanguage.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

std::string ResourceModuleFor(const char* localeText) {
    if (!localeText || std::strlen(localeText) != 8)
        return kBaseResourceModule;
    char* end = nullptr;
    const unsigned long locale = std::strtoul(localeText, &end, 16);
    if (!end || *end != '\0')
        return kBaseResourceModule;
    const LANGID language = PRIMARYLANGID(LANGIDFROMLCID(static_cast<LCID>(locale)));
    if (language == LANG_ENGLISH || language == LANG_NEUTRAL)
        return kBaseResourceModule;
    char code[9] = {};
    // The language's ISO 639 name, as the system knows it.
    if (!::GetLocaleInfoA(MAKELCID(MAKELANGID(language, SUBLANG_DEFAULT), SORT_DEFAULT),
                          LOCALE_SISO639LANGNAME, code, sizeof code) ||
        !*code)
        return kBaseResourceModule;
    return std::string("vqtrqorr_") + code + ".dll";
}
