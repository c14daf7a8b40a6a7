// Random values for the soak, and records and topics as a strange host might hand them in: every
// value in range, at its edges or beyond.
#pragma once

#include "qor.h"

#include <cstddef>
#include <initializer_list>
#include <random>
#include <vector>

namespace soak {

using Random = std::mt19937;

// A value from 0 to count - 1 (0 when there is none).
int Below(Random& random, size_t count);
bool Chance(Random& random, int percent);
DWORD AnyValue(Random& random);

template <class T> T Pick(Random& random, std::initializer_list<T> values) {
    return values.begin()[Below(random, values.size())];
}

struct HostileRecords {
    STATUSINFO status{};
    STATUSERROR alert{};
    std::vector<BYTE> alertBytes;
    INKINFO ink{};
    ALIGNINFO align{};
    PORTINFO port{};
};

// An ink record: carrier types, levels, ids and flags at their edges or beyond.
void MakeInk(Random& random, INKINFO& ink);
// Alert bytes of any length up to 64, any values.
void MakeAlert(Random& random, std::vector<BYTE>& bytes);
// Fills the records afresh; the status record points at the others, or leaves some out.
void MakeHostile(Random& random, HostileRecords& records);
int HostileTopic(Random& random);

} // namespace soak
