// A value of the printer's registry key that the wizard makes sure of: read, and written with
// its default only where it cannot be read, so that what the user or the printer set stays.
#pragma once

#include "Registry.h"

template <class Value>
void EnsurePrinterValue(const char* printerName, const char* key, const char* name,
                        const Value& fallback) {
    CRegistry registry;
    registry.SetFriendlyName(printerName);
    if (!registry.Create(key))
        return;
    try {
        Value current{};
        registry.Read(name, current);
        return;
    } catch (CRegistryException* error) {
        error->Delete();
    }
    try {
        registry.Write(name, fallback);
    } catch (CRegistryException* error) {
        error->Delete();
    }
}
