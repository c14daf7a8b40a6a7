// The DOS printing settings in the printer's "PrinterDriverData" key: five string values, each a
// decimal text of at most 24 characters. A value that is missing, of another type, over-long or
// no number is logged and read as absent; every value is written whole.
#pragma once

#include "Registry.h"
#include "status/DosPrinting.h"

#include <optional>

// What the key holds; an absent font or symbol-set value selects row 0 of its list.
struct StoredDosValues {
    std::optional<DWORD> pitch;
    std::optional<DWORD> charSet;
    std::optional<DWORD> typeface;
    std::optional<DWORD> carriage;
    // Only a "DisableDOS" text that begins with '1' turns DOS printing off.
    bool enabled = true;
};

// Reads the settings of the registry's printer. A first visit (no key yet, or a key without any
// of the four font values, as the main window makes it) writes the locale's defaults before
// reading them back; nothing else is opened for writing.
StoredDosValues LoadDosSettings(CRegistry& registry, const char* locale);

// Writes the five values; false when the key could not be opened or a value could not be
// written (logged).
bool SaveDosSettings(CRegistry& registry, const DosSettings& settings);
