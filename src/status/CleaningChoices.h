// What the clean-and-test wizard and the clean-rollers dialog show, decided from the records and
// the model's options alone.
#pragma once

#include "qor.h"
#include "status/InkCarrier.h"

#include <windows.h>

#include <array>

// Whether the wizard has pages for the carrier: an ink-tank printer (dwCarrierType 1) cleans its
// print heads with its own tools, and the wizard has none for it.
bool HasCleaningPages(const INKINFO& ink);

// The pattern the printed cleaning page should show, by the carrier's state. A state that prints
// no cleaning page shows the full pattern on a one-position carrier, else the colour one.
UINT ExpectedPatternBitmap(CarrierState state, DWORD carrierType);

// The texts of a result page: its two instructions, and whether the lines that describe the
// printed ramps are shown (a model whose cleaning page prints no ramps says IDO_CLEANPAGE_RAMPS 0).
struct CleanResultTexts {
    UINT instruction1;
    UINT instruction2;
    bool rampsShown;
};
CleanResultTexts ResultTexts(bool pagePrintsRamps);

// The four steps of the clean-rollers dialog: each step's text and whether it is shown.
struct RollerStep {
    UINT textId;
    bool shown;
};
using RollerSteps = std::array<RollerStep, 4>;

struct RollerOptions {
    bool manualFeedPaperOut; // IDO_MANUALFEED_PAPEROUT 1: the rollers are reached through the slot
    bool selectButton;       // IDO_SELECT_BUTTON 1: the printer turns its rollers on a button
    bool noThirdStep;        // IDO_CLEANROLLER_STEP4 0
};
RollerSteps CleanRollerSteps(const RollerOptions& options);
