// Which resource module speaks the user's language: one module per language beside the module,
// English in the one every installation has. The choice follows the locale text (the user's
// locale, or VQTR_LOCALE): its primary language.
#pragma once

#include <string>

// The English resource module, which every installation has.
constexpr const char* kBaseResourceModule = "vqtrqorr.dll";

// The file of the resource module for a locale text (eight hexadecimal digits): the base module
// for English and for a text that names no locale, else "vqtrqorr_" + the language's two-letter
// code + ".dll" (the file may not exist: the caller then falls back to the base module).
std::string ResourceModuleFor(const char* localeText);
