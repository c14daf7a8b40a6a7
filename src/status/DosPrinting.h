// The DOS printing settings of a printer, decided without a window: the fonts and symbol sets the
// printer offers to DOS programs, the defaults by the user's locale, and the decimal texts the
// settings are stored as.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>

struct DosFontRow {
    UINT textId;
    DWORD typeface; // PCL typeface number
    DWORD pitch;    // hundredths of characters per inch; 0 for a proportional font
};

struct DosSymbolSetRow {
    UINT textId;
    DWORD value; // PCL symbol-set value
};

// The lists' rows, in list order.
std::span<const DosFontRow> DosFonts();
std::span<const DosSymbolSetRow> DosSymbolSets();

constexpr DWORD kDosDefaultTypeface = 3;
constexpr DWORD kDosDefaultPitch = 1000;

// The symbol set a locale text ("00000409") starts with.
DWORD DefaultSymbolSet(const char* locale);

// The list row of a stored setting: the last row that matches wins, row 0 when none does or the
// setting could not be read.
int FontRowFor(std::optional<DWORD> typeface, std::optional<DWORD> pitch);
int SymbolSetRowFor(std::optional<DWORD> value);

// The settings as the dialog shows and stores them.
struct DosSettings {
    DWORD charSet = 0;
    DWORD typeface = kDosDefaultTypeface;
    DWORD pitch = kDosDefaultPitch;
    bool carriage = false;
    bool enabled = true;
};
// What a first visit and Restore Defaults give for a locale.
DosSettings DefaultDosSettings(const char* locale);

// A stored value holds at most this many characters: it is kept in a 25-byte buffer.
constexpr size_t kDosValueBuffer = 25;

// A stored decimal text as a number: digits only, within a DWORD; nothing for anything else.
std::optional<DWORD> ParseDosNumber(const std::string& text);
// The decimal text a number is stored as.
std::string DosNumberText(DWORD value);

// The locale for which the Advanced page shows its second row in place of the DOS printing row.
constexpr const char* kJapaneseLocale = "00000411";

// Whether the Advanced page offers the DOS printing settings: not on the connections 3, 5, 6, 7
// and 9, not for the Japanese locale, not on the platforms 2 and 10 (CRegistry::GetOSPlatform),
// and only for a printer that supports DOS printing.
bool ShowsDosPrintingRow(DWORD portType, const char* locale, DWORD platform,
                         bool printerSupportsDos);
