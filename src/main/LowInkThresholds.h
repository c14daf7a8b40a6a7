// The model's low-ink thresholds, read from its supplies key.
#pragma once

#include "Registry.h"
#include "status/LowInkWarning.h"

// "LowInkAlert" and "LowInkWarning", 32-bit numbers, read with read access only (a standard user
// cannot open the machine's keys for writing). A missing key, or a value that is missing or of
// another type or size, is logged and keeps LowInkThresholds::kNoThreshold: no warning then
// rather than a wrong one.
LowInkThresholds ReadLowInkThresholds(CRegistry& registry);
