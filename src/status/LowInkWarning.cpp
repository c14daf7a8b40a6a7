#include "LowInkWarning.h"

#include "CartridgeKinds.h"
#include "resource.h"

#include <algorithm>
#include <iterator>

namespace {
LONG Counted(LONG level) {
    return level < 0 || level > 100 ? 100 : level;
}

LONG Lowest(LONG first, LONG second, LONG third) {
    return std::min({Counted(first), Counted(second), Counted(third)});
}
} // namespace

LowInkLevels CountedLevels(const INKINFO& ink) {
    LowInkLevels levels{Counted(ink.nBlackLevel),
                        Lowest(ink.nColorLevel1, ink.nColorLevel2, ink.nColorLevel3),
                        Lowest(ink.nPhotoLevel1, ink.nPhotoLevel2, ink.nPhotoLevel3)};
    // A kind the carrier does not hold reports no level: its fields hold what the host left
    // there, often 0, which would warn of an empty cartridge that is not fitted.
    if (ink.dwCarrierType == QOR_CARRIER_INK_TANKS) {
        levels.photo = 100;
    } else if (ink.dwCarrierType == QOR_CARRIER_DUAL || ink.dwCarrierType == QOR_CARRIER_SINGLE) {
        const auto fitted = [&](auto isKind) {
            // One position reads only its first position's fields.
            return isKind(KindOfCartridge(ink.LogCartID1)) ||
                   (ink.dwCarrierType == QOR_CARRIER_DUAL &&
                    isKind(KindOfCartridge(ink.LogCartID2)));
        };
        if (!fitted([](CartridgeKind kind) { return kind == CartridgeKind::Black; }))
            levels.black = 100;
        if (!fitted([](CartridgeKind kind) {
                return kind == CartridgeKind::Cmy || kind == CartridgeKind::AltCmy;
            }))
            levels.colour = 100;
        if (!fitted([](CartridgeKind kind) { return kind == CartridgeKind::Kcm; }))
            levels.photo = 100;
    }
    return levels;
}

LowInkText ChooseLowInkText(const LowInkLevels& levels, const LowInkThresholds& thresholds) {
    const auto veryLow = [&](LONG level) { return level <= thresholds.alert; };
    const auto low = [&](LONG level) { return level <= thresholds.warning; };
    // Two kinds low, one of them very low.
    const auto pairVeryLow = [&](LONG one, LONG other) {
        return (veryLow(one) && low(other)) || (low(one) && veryLow(other));
    };
    const LONG k = levels.black, c = levels.colour, p = levels.photo;
    if (pairVeryLow(k, c))
        return LowInkText::BlackAndColourVeryLow;
    if (pairVeryLow(p, c))
        return LowInkText::PhotoAndColourVeryLow;
    if (low(k) && low(c))
        return LowInkText::BlackAndColourLow;
    if (low(p) && low(c))
        return LowInkText::PhotoAndColourLow;
    if (veryLow(k))
        return LowInkText::BlackVeryLow;
    if (veryLow(p))
        return LowInkText::PhotoVeryLow;
    if (veryLow(c))
        return LowInkText::ColourVeryLow;
    if (low(k))
        return LowInkText::BlackLow;
    if (low(p))
        return LowInkText::PhotoLow;
    if (low(c))
        return LowInkText::ColourLow;
    return LowInkText::None;
}

LowInkText ChooseLowInkText(const INKINFO& ink, const LowInkThresholds& thresholds) {
    return ChooseLowInkText(CountedLevels(ink), thresholds);
}

UINT LowInkTextId(LowInkText text) {
    static constexpr UINT kIds[] = {
        IDS_LOWINK_BLACK_COLOUR_VERY_LOW,
        IDS_LOWINK_PHOTO_COLOUR_VERY_LOW,
        IDS_LOWINK_BLACK_COLOUR_LOW,
        IDS_LOWINK_PHOTO_COLOUR_LOW,
        IDS_LOWINK_BLACK_VERY_LOW,
        IDS_LOWINK_PHOTO_VERY_LOW,
        IDS_LOWINK_COLOUR_VERY_LOW,
        IDS_LOWINK_BLACK_LOW,
        IDS_LOWINK_PHOTO_LOW,
        IDS_LOWINK_COLOUR_LOW,
    };
    static_assert(std::size(kIds) == static_cast<size_t>(LowInkText::None));
    return text == LowInkText::None ? 0 : kIds[static_cast<int>(text)];
}

bool IsInkLow(const INKINFO& ink, const LowInkThresholds& thresholds) {
    return ChooseLowInkText(ink, thresholds) != LowInkText::None;
}
