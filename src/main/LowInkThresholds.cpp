#include "LowInkThresholds.h"

#include "CSpy.h"
#include "PrinterHelpers.h"

#include <climits>

namespace {
void ReadThreshold(CRegistry& registry, const char* name, LONG& threshold) {
    try {
        DWORD value = 0;
        registry.Read(name, value);
        // A percentage; a number past any level still means every level.
        threshold = value > LONG_MAX ? LONG_MAX : static_cast<LONG>(value);
    } catch (CRegistryException* error) {
        error->Delete();
        CSpy spy;
        spy.OutputError("ReadLowInkThresholds() a threshold is missing or not a 32-bit number");
        spy.OutputData(name);
    }
}
} // namespace

LowInkThresholds ReadLowInkThresholds(CRegistry& registry) {
    LowInkThresholds thresholds;
    if (!registry.Open(ModelSuppliesKey(), KEY_READ, FALSE)) {
        CSpy spy;
        spy.OutputError("ReadLowInkThresholds() the model's supplies key cannot be opened");
        return thresholds;
    }
    ReadThreshold(registry, "LowInkAlert", thresholds.alert);
    ReadThreshold(registry, "LowInkWarning", thresholds.warning);
    registry.Close();
    return thresholds;
}
