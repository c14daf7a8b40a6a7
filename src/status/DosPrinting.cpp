#include "DosPrinting.h"

#include "resource.h"

#include <array>
#include <cstring>

namespace {
constexpr std::array<DosFontRow, 5> kFonts{{
    {IDS_DOS_FONT_TIMES, 4101, 0},
    {IDS_DOS_FONT_COURIER_10, 3, 1000},
    {IDS_DOS_FONT_COURIER_16, 3, 1667},
    {IDS_DOS_FONT_TIMES_20, 4101, 2000},
    {IDS_DOS_FONT_GOTHIC_12, 6, 1200},
}};

constexpr std::array<DosSymbolSetRow, 52> kSymbolSets{{
    {IDS_DOS_SYMBOL_SET_10U, 341}, {IDS_DOS_SYMBOL_SET_11U, 373}, {IDS_DOS_SYMBOL_SET_1G, 39},
    {IDS_DOS_SYMBOL_SET_0I, 9},    {IDS_DOS_SYMBOL_SET_0S, 19},   {IDS_DOS_SYMBOL_SET_0U, 21},
    {IDS_DOS_SYMBOL_SET_12U, 405}, {IDS_DOS_SYMBOL_SET_1U, 53},   {IDS_DOS_SYMBOL_SET_8U, 277},
    {IDS_DOS_SYMBOL_SET_1E, 37},   {IDS_DOS_SYMBOL_SET_1F, 38},   {IDS_DOS_SYMBOL_SET_0D, 4},
    {IDS_DOS_SYMBOL_SET_2S, 83},   {IDS_DOS_SYMBOL_SET_4S, 147},  {IDS_DOS_SYMBOL_SET_0N, 14},
    {IDS_DOS_SYMBOL_SET_3S, 115},  {IDS_DOS_SYMBOL_SET_0K, 11},   {IDS_DOS_SYMBOL_SET_1D, 36},
    {IDS_DOS_SYMBOL_SET_2U, 85},   {IDS_DOS_SYMBOL_SET_20U, 661}, {IDS_DOS_SYMBOL_SET_17U, 565},
    {IDS_DOS_SYMBOL_SET_2N, 78},   {IDS_DOS_SYMBOL_SET_24Q, 785}, {IDS_DOS_SYMBOL_SET_27Q, 881},
    {IDS_DOS_SYMBOL_SET_8T, 276},  {IDS_DOS_SYMBOL_SET_9T, 308},  {IDS_DOS_SYMBOL_SET_5N, 174},
    {IDS_DOS_SYMBOL_SET_18U, 597}, {IDS_DOS_SYMBOL_SET_16U, 533}, {IDS_DOS_SYMBOL_SET_3R, 114},
    {IDS_DOS_SYMBOL_SET_10R, 338}, {IDS_DOS_SYMBOL_SET_10N, 334}, {IDS_DOS_SYMBOL_SET_13R, 434},
    {IDS_DOS_SYMBOL_SET_14R, 466}, {IDS_DOS_SYMBOL_SET_8G, 263},  {IDS_DOS_SYMBOL_SET_10G, 327},
    {IDS_DOS_SYMBOL_SET_11G, 359}, {IDS_DOS_SYMBOL_SET_12N, 398}, {IDS_DOS_SYMBOL_SET_14G, 455},
    {IDS_DOS_SYMBOL_SET_0H, 8},    {IDS_DOS_SYMBOL_SET_8H, 264},  {IDS_DOS_SYMBOL_SET_15H, 488},
    {IDS_DOS_SYMBOL_SET_7H, 232},  {IDS_DOS_SYMBOL_SET_10V, 342}, {IDS_DOS_SYMBOL_SET_25Q, 817},
    {IDS_DOS_SYMBOL_SET_26Q, 849}, {IDS_DOS_SYMBOL_SET_14P, 464}, {IDS_DOS_SYMBOL_SET_13P, 432},
    {IDS_DOS_SYMBOL_SET_13U, 437}, {IDS_DOS_SYMBOL_SET_9N, 302},  {IDS_DOS_SYMBOL_SET_6N, 206},
    {IDS_DOS_SYMBOL_SET_23U, 757},
}};

struct LocaleSymbolSet {
    const char* locale;
    DWORD value;
};
// Chinese and US English print PC-8, Russian PC Cyrillic, Czech, Hungarian and Polish PC-852.
constexpr LocaleSymbolSet kLocaleSymbolSets[] = {
    {"00000409", 341}, {"00000404", 341}, {"00001004", 341}, {"00000804", 341}, {"00000C04", 341},
    {"00000419", 114}, {"00000405", 565}, {"0000040E", 565}, {"00000415", 565},
};
constexpr DWORD kOtherLocaleSymbolSet = 437;
} // namespace

std::span<const DosFontRow> DosFonts() {
    return kFonts;
}

std::span<const DosSymbolSetRow> DosSymbolSets() {
    return kSymbolSets;
}

DWORD DefaultSymbolSet(const char* locale) {
    if (locale)
        for (const LocaleSymbolSet& row : kLocaleSymbolSets)
            if (_stricmp(row.locale, locale) == 0)
                return row.value;
    return kOtherLocaleSymbolSet;
}

int FontRowFor(std::optional<DWORD> typeface, std::optional<DWORD> pitch) {
    int found = 0;
    if (!typeface || !pitch)
        return found;
    for (size_t row = 0; row < kFonts.size(); ++row)
        if (kFonts[row].typeface == *typeface && kFonts[row].pitch == *pitch)
            found = static_cast<int>(row);
    return found;
}

int SymbolSetRowFor(std::optional<DWORD> value) {
    int found = 0;
    if (!value)
        return found;
    for (size_t row = 0; row < kSymbolSets.size(); ++row)
        if (kSymbolSets[row].value == *value)
            found = static_cast<int>(row);
    return found;
}

DosSettings DefaultDosSettings(const char* locale) {
    DosSettings settings;
    settings.charSet = DefaultSymbolSet(locale);
    return settings;
}

std::optional<DWORD> ParseDosNumber(const std::string& text) {
    // Ten digits hold any DWORD; more would overflow the sum below.
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    unsigned long long value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(digit - '0');
    }
    if (value > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<DWORD>(value);
}

std::string DosNumberText(DWORD value) {
    return std::to_string(value);
}

bool ShowsDosPrintingRow(DWORD portType, const char* locale, DWORD platform,
                         bool printerSupportsDos) {
    const bool noDosConnection = portType == 3 || (portType >= 5 && portType <= 7) || portType == 9;
    const bool japanese = locale && _stricmp(locale, kJapaneseLocale) == 0;
    return !noDosConnection && !japanese && platform != 2 && platform != 10 && printerSupportsDos;
}
