// What the Contact Information page and the post-install wizard offer, decided from the user's
// locale alone.
#pragma once

// Whether the special offer is shown: only to the English locales of the United States
// ("00000409") and Canada ("00001009"), in either case of hexadecimal digits.
bool ShowsSpecialOffer(const char* localeText);
