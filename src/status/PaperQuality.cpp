#include "PaperQuality.h"

#include "NvoProduct.h"
#include "resource.h"

#include <iterator>

namespace {
constexpr const char* kColourKeys[] = {"IDO_COLORANDBLACK_PLAIN",  "IDO_COLORANDBLACK_COATED",
                                       "IDO_COLORANDBLACK_GLOSSY", "IDO_COLORANDBLACK_TRANSPARENCY",
                                       "IDO_COLORANDBLACK_IRONON", "IDO_COLORANDBLACK_CARDSTOCK"};
constexpr const char* kPhotoKeys[] = {"IDO_PHOTOANDBLACK_PLAIN",  "IDO_PHOTOANDBLACK_COATED",
                                      "IDO_PHOTOANDBLACK_GLOSSY", "IDO_PHOTOANDBLACK_TRANSPARENCY",
                                      "IDO_PHOTOANDBLACK_IRONON", "IDO_PHOTOANDBLACK_CARDSTOCK"};
constexpr DWORD kUnknownMedia = 255;
// The options are in the order of the media values 0 to 5.
// The quality numbers the options use.
constexpr LONG kHighQuality = -4;
constexpr LONG kMediumQuality = -3;

LONG ReadNumber(const NvoProduct& product, const char* key) {
    unsigned long value = 0;
    product.GetSetting(key, value);
    return static_cast<LONG>(value);
}
} // namespace

QualityOptions ReadQualityOptions(const NvoProduct& product) {
    QualityOptions options;
    for (size_t type = 0; type < std::size(kColourKeys); ++type) {
        options.colour[type] = ReadNumber(product, kColourKeys[type]);
        options.photo[type] = ReadNumber(product, kPhotoKeys[type]);
    }
    options.bestQuality = ReadNumber(product, "IDO_SUPPORT_BESTPRINTQUALITY") != 0;
    return options;
}

UINT PaperLineText(DWORD media) {
    switch (media) {
    case 0:
        return IDS_PAPER_PLAIN;
    case 1:
        return IDS_PAPER_COATED;
    case 2:
        return IDS_PAPER_GLOSSY;
    case 3:
        return IDS_MEDIA_TRANSPARENCY;
    case 4:
        return IDS_PAPER_IRON_ON;
    case 5:
        return IDS_PAPER_CARD_STOCK;
    case kUnknownMedia:
        return IDS_MEDIA_UNKNOWN;
    default:
        return 0;
    }
}

UINT QualityAdviceText(DWORD media, const INKINFO& ink, const QualityOptions& options) {
    if (media == kUnknownMedia)
        return IDS_PAPER_ADVICE_UNKNOWN;
    if (media >= std::size(kColourKeys))
        return 0;
    const bool photo = ink.LogCartID1 == QOR_CART_ALT_COLOR || ink.LogCartID1 == QOR_CART_PHOTO ||
                       ink.LogCartID2 == QOR_CART_ALT_COLOR || ink.LogCartID2 == QOR_CART_PHOTO;
    const LONG quality = (photo ? options.photo : options.colour)[media];
    if (quality == kHighQuality)
        return IDS_PAPER_ADVICE_HIGH;
    if (quality == kMediumQuality)
        return options.bestQuality ? IDS_PAPER_ADVICE_BEST : IDS_PAPER_ADVICE_MEDIUM;
    return IDS_PAPER_ADVICE_NORMAL;
}
