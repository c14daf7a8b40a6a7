#include "CleaningChoices.h"

#include "resource.h"

bool HasCleaningPages(const INKINFO& ink) {
    return ink.dwCarrierType != QOR_CARRIER_INK_TANKS;
}

UINT ExpectedPatternBitmap(CarrierState state, DWORD carrierType) {
    switch (state) {
    case DUALHEAD_CMY_AND_K:
    case DUALHEAD_K_AND_CMY:
    case DUALHEAD_CMY_AND_KCM:
        return IDB_CLEAN_PATTERN_BOTH;
    case DUALHEAD_K_ONLY:
        return IDB_CLEAN_PATTERN_BLACK;
    case DUALHEAD_CMY_ONLY:
        return IDB_CLEAN_PATTERN_COLOUR;
    case SINGLEHEAD_K:
        return IDB_CLEAN_PATTERN_SINGLE_BLACK;
    case SINGLEHEAD_CMY:
        return IDB_CLEAN_PATTERN_SINGLE_COLOUR;
    default:
        return carrierType == QOR_CARRIER_SINGLE ? IDB_CLEAN_PATTERN_BOTH
                                                 : IDB_CLEAN_PATTERN_SINGLE_COLOUR;
    }
}

CleanResultTexts ResultTexts(bool pagePrintsRamps) {
    if (pagePrintsRamps)
        return {IDS_CLEAN_RAMPS_COMPARE, IDS_CLEAN_RAMPS_DONE, true};
    return {IDS_CLEAN_COMPARE, IDS_CLEAN_DONE, false};
}

RollerSteps CleanRollerSteps(const RollerOptions& options) {
    const UINT secondStep = options.selectButton ? IDS_ROLLERS_STEP2_SELECT : IDS_ROLLERS_STEP2;
    const UINT fourthStep = options.selectButton ? IDS_ROLLERS_STEP4_SELECT : IDS_ROLLERS_STEP4;
    // Fed by hand, the rollers are wiped through the slot in two steps.
    if (options.manualFeedPaperOut)
        return {{{IDS_ROLLERS_STEP1_MANUAL_FEED, true},
                 {IDS_ROLLERS_STEP2_MANUAL_FEED, true},
                 {IDS_ROLLERS_STEP3, false},
                 {IDS_ROLLERS_STEP4, false}}};
    return {{{IDS_ROLLERS_STEP1, true},
             {secondStep, true},
             {IDS_ROLLERS_STEP3, !options.noThirdStep},
             {fourthStep, true}}};
}
