// The carrier state: the cartridge ids of an ink record turned into one of 23 named states, by
// which the cartridge, alignment, cleaning and install pages choose their pictures, texts and next
// page. Position 1 holds the colour cartridge, position 2 the black or photo cartridge; a
// cartridge in the other position counts as invalid there.
#pragma once

#include "NvoProduct.h"
#include "qor.h"

// The enumerators are the names the debug log writes. Some values are never produced; they stay
// in the set because callers compare against ranges of it (below 14, 18 and above).
enum CarrierState : int {
    DUALHEAD_MISSING_AND_MISSING = 0,
    DUALHEAD_INVALID_AND_INVALID = 1,
    DUALHEAD_INVALID_AND_K = 2,
    DUALHEAD_INVALID_AND_MISSING = 3,
    DUALHEAD_INVALID_AND_COLOR = 4, // never produced
    DUALHEAD_K_AND_INVALID = 5,     // never produced
    DUALHEAD_COLOR_AND_INVALID = 6,
    DUALHEAD_MISSING_AND_INVALID = 7,
    DUALHEAD_CMY_AND_K = 8,
    DUALHEAD_K_AND_CMY = 9, // never produced
    DUALHEAD_CMY_AND_KCM = 10,
    DUALHEAD_K_ONLY = 11,
    DUALHEAD_CMY_ONLY = 12,
    DUALHEAD_INVALID_ONLY = 13, // never produced
    DUALHEAD_MISSING_AND_K = 14,
    DUALHEAD_MISSING_AND_CMY = 15, // never produced
    DUALHEAD_K_AND_MISSING = 16,   // never produced
    DUALHEAD_CMY_AND_MISSING = 17,
    SINGLEHEAD_K = 18,
    SINGLEHEAD_CMY = 19,
    SINGLEHEAD_MISSING = 20,
    SINGLEHEAD_INVALID = 21,
    UNKNOWN = 22,
};

// The log name of a state; null for a value outside the set.
const char* CarrierStateName(int state);

// The state of an ink record under the model's options, without logging. Position 2 is read only
// for a two-position carrier.
CarrierState ClassifyCarrier(const INKINFO& ink, const NvoProduct& product);

class InkCarrier {
public:
    virtual ~InkCarrier() = default;

    // Classifies the record into m_CarrierState and logs the result. Callers hand in the main
    // window's ink record or a copy taken just before, so the ids are read from that record; a
    // null record leaves UNKNOWN and logs an error.
    void GetCarrierState(const INKINFO* pInk, const NvoProduct& product = NvoProduct());

    // The log lines of a state: the heading, the number and the name.
    static void LogCarrierState(int state);

    // The last classification; UNKNOWN until the first.
    CarrierState m_CarrierState = UNKNOWN;
};
