#include "InkCarrier.h"

#include "CSpy.h"
#include "InkDisplay.h"

#include <initializer_list>

namespace {

constexpr const char* kStateNames[] = {
    "DUALHEAD_MISSING_AND_MISSING",
    "DUALHEAD_INVALID_AND_INVALID",
    "DUALHEAD_INVALID_AND_K",
    "DUALHEAD_INVALID_AND_MISSING",
    "DUALHEAD_INVALID_AND_COLOR",
    "DUALHEAD_K_AND_INVALID",
    "DUALHEAD_COLOR_AND_INVALID",
    "DUALHEAD_MISSING_AND_INVALID",
    "DUALHEAD_CMY_AND_K",
    "DUALHEAD_K_AND_CMY",
    "DUALHEAD_CMY_AND_KCM",
    "DUALHEAD_K_ONLY",
    "DUALHEAD_CMY_ONLY",
    "DUALHEAD_INVALID_ONLY",
    "DUALHEAD_MISSING_AND_K",
    "DUALHEAD_MISSING_AND_CMY",
    "DUALHEAD_K_AND_MISSING",
    "DUALHEAD_CMY_AND_MISSING",
    "SINGLEHEAD_K",
    "SINGLEHEAD_CMY",
    "SINGLEHEAD_MISSING",
    "SINGLEHEAD_INVALID",
    "UNKNOWN",
};
static_assert(sizeof kStateNames / sizeof kStateNames[0] == UNKNOWN + 1);

// The id a position is judged by: a reported change means the printer's sensing counts; otherwise
// the accepted (logical) id, unless that one is invalid.
DWORD JudgedId(DWORD changed, DWORD logical, DWORD physical) {
    if (changed || logical == QOR_CART_INVALID)
        return physical;
    return logical;
}

// One cartridge id and what it is.
struct Cartridge {
    explicit Cartridge(DWORD id)
        : missing(CGUIInkDisplay::IsItMissing(id)), invalid(CGUIInkDisplay::IsItInvalid(id)),
          black(CGUIInkDisplay::IsItBlack(id)), colour(CGUIInkDisplay::IsItCMY(id)),
          photo(CGUIInkDisplay::IsItKCM(id)) {}
    bool missing, invalid, black, colour, photo;
};

struct Choice {
    bool when;
    CarrierState state;
};

// The first choice that holds; UNKNOWN when none does.
CarrierState FirstOf(std::initializer_list<Choice> choices) {
    for (const Choice& choice : choices) {
        if (choice.when)
            return choice.state;
    }
    return UNKNOWN;
}

CarrierState ClassifySingle(const Cartridge& left) {
    return FirstOf({{left.black, SINGLEHEAD_K},
                    {left.colour, SINGLEHEAD_CMY},
                    {left.missing, SINGLEHEAD_MISSING},
                    {true, SINGLEHEAD_INVALID}});
}

// The first rule whose condition holds decides, even when none of its inner choices holds. The
// order is part of the behaviour: both missing before both invalid, invalidity before absence,
// the one-cartridge printing style before the ordinary absence, the photo cartridge before
// placement.
CarrierState ClassifyDual(const Cartridge& l, const Cartridge& r, const NvoProduct& product) {
    const bool format1 = product.CompareSetting("IDO_PRINTHEADFORMAT", 1);
    const bool format2 = product.CompareSetting("IDO_PRINTHEADFORMAT", 2);
    // Rules that depend on the print-head format give no state for any other format.
    const bool format = format1 || format2;
    const bool oneCartridgeStyle = product.CompareSetting("IDO_PRINTSTYLE", 2);

    if (l.missing && r.missing)
        return DUALHEAD_MISSING_AND_MISSING;
    if (l.invalid && r.invalid)
        return DUALHEAD_INVALID_AND_INVALID;
    if (l.invalid) {
        return FirstOf({{format && r.black, DUALHEAD_INVALID_AND_K},
                        {format && r.colour, DUALHEAD_INVALID_AND_INVALID},
                        {format && r.missing, DUALHEAD_INVALID_AND_MISSING}});
    }
    if (r.invalid) {
        return FirstOf({{format && l.black, DUALHEAD_INVALID_AND_INVALID},
                        {format && l.colour, DUALHEAD_COLOR_AND_INVALID},
                        {format && l.missing, DUALHEAD_MISSING_AND_INVALID}});
    }
    if (l.missing && oneCartridgeStyle) {
        return FirstOf({{format && r.black, DUALHEAD_K_ONLY},
                        {format && r.colour, DUALHEAD_MISSING_AND_INVALID}});
    }
    if (r.missing && oneCartridgeStyle) {
        return FirstOf({{format && l.black, DUALHEAD_INVALID_AND_MISSING},
                        {format && l.colour, DUALHEAD_CMY_ONLY}});
    }
    if (l.missing) {
        // The second print-head format also takes a photo cartridge alone.
        return FirstOf({{format1 && r.black, DUALHEAD_MISSING_AND_K},
                        {format2 && (r.black || r.photo), DUALHEAD_MISSING_AND_K},
                        {format && r.colour, DUALHEAD_MISSING_AND_INVALID}});
    }
    if (r.missing) {
        return FirstOf({{format && l.black, DUALHEAD_INVALID_AND_MISSING},
                        {format && l.colour, DUALHEAD_CMY_AND_MISSING}});
    }
    return FirstOf({{l.photo || r.photo, DUALHEAD_CMY_AND_KCM},
                    {format && l.colour && r.black, DUALHEAD_CMY_AND_K},
                    {format && l.black && r.colour, DUALHEAD_INVALID_AND_INVALID},
                    {format && l.black && r.black, DUALHEAD_INVALID_AND_K},
                    {format && l.colour && r.colour, DUALHEAD_COLOR_AND_INVALID}});
}

} // namespace

const char* CarrierStateName(int state) {
    if (state < DUALHEAD_MISSING_AND_MISSING || state > UNKNOWN)
        return nullptr;
    return kStateNames[state];
}

CarrierState ClassifyCarrier(const INKINFO& ink, const NvoProduct& product) {
    switch (ink.dwCarrierType) {
    case QOR_CARRIER_SINGLE:
        return ClassifySingle(
            Cartridge(JudgedId(ink.bCartChanged1, ink.LogCartID1, ink.PhyCartID1)));
    case QOR_CARRIER_DUAL:
        return ClassifyDual(Cartridge(JudgedId(ink.bCartChanged1, ink.LogCartID1, ink.PhyCartID1)),
                            Cartridge(JudgedId(ink.bCartChanged2, ink.LogCartID2, ink.PhyCartID2)),
                            product);
    default:
        return UNKNOWN;
    }
}

void InkCarrier::GetCarrierState(const INKINFO* pInk, const NvoProduct& product) {
    m_CarrierState = UNKNOWN;
    if (pInk)
        m_CarrierState = ClassifyCarrier(*pInk, product);
    else
        CSpy().OutputError("InkCarrier::GetCarrierState() no ink record");
    LogCarrierState(m_CarrierState);
}

void InkCarrier::LogCarrierState(int state) {
    CSpy spy;
    spy.OutputData("InkCarrier::GetCarrierState() <m_CarrierState>");
    spy.OutputData(state);
    const char* name = CarrierStateName(state);
    spy.OutputData(name ? name
                        : "Not sure what the carrier status is...check the debug code switch "
                          "statement...");
}
