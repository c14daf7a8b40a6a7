// Ink records for the tests of decisions on cartridges.
#pragma once

#include "qor.h"

namespace testing_support {

// A carrier of this type whose accepted (logical) and sensed (physical) ids are both these.
inline INKINFO CarrierRecord(DWORD carrierType, DWORD left, DWORD right) {
    INKINFO ink{};
    ink.dwCarrierType = carrierType;
    ink.LogCartID1 = ink.PhyCartID1 = left;
    ink.LogCartID2 = ink.PhyCartID2 = right;
    return ink;
}

} // namespace testing_support
