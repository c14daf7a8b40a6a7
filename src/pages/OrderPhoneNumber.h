// The telephone number for ordering by phone: the phone-number ini file of the printer driver's
// folder, under the key of the user's locale or, failing that, the model's default key.
#pragma once

#include "CString.h"
#include "NvoProduct.h"

// The key of a locale text: "00000409" gives "  0x0409" (its first four characters replaced by
// two blanks and "0x"); empty when the text is not eight hexadecimal digits.
CString PhoneNumberKey(const char* localeText);

// The number for the user's locale; empty (logged) when the model names no ini file or section,
// or neither key has a number.
CString ReadOrderPhoneNumber(const NvoProduct& product);
