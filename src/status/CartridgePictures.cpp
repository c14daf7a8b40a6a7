#include "CartridgePictures.h"

#include "CSpy.h"
#include "NvoProduct.h"
#include "Operations.h"
#include "qor.h"
#include "resource.h"

#include <algorithm>
#include <iterator>

namespace {
struct PictureRow {
    DWORD id;
    UINT picture;
};

constexpr PictureRow kPictures[] = {
    {QOR_CART_INVALID, IDB_CART_INVALID},
    {QOR_CART_BLACK, IDB_CART_BLACK},
    {QOR_CART_BLACK_53, IDB_CART_BLACK_53},
    {QOR_CART_BLACK_63, IDB_CART_BLACK_63},
    {QOR_CART_BLACK_64, IDB_CART_BLACK_64},
    {QOR_CART_COLOR, IDB_CART_COLOR},
    {QOR_CART_COLOR_85, IDB_CART_COLOR_85},
    {QOR_CART_COLOR_95, IDB_CART_COLOR_95},
    {QOR_CART_COLOR_96, IDB_CART_COLOR_96},
    {QOR_CART_PHOTO, IDB_CART_PHOTO},
    {175, IDB_CART_PHOTO},
    {191, IDB_CART_PHOTO},
    {QOR_CART_PHOTO_127, IDB_CART_PHOTO_127},
    {QOR_CART_ALT_COLOR, IDB_CART_FAMILY128},
    {133, IDB_CART_FAMILY128},
    {144, IDB_CART_FAMILY128},
    {QOR_CART_ALT_COLOR_143, IDB_CART_FAMILY143},
    {QOR_CART_UNIDENTIFIED, IDB_CART_UNIDENTIFIED},
};

// The families the pages can name; every other id is named and drawn as invalid.
UINT FamilyNameId(DWORD id) {
    switch (id) {
    case QOR_CART_BLACK:
    case QOR_CART_BLACK_53:
    case QOR_CART_BLACK_63:
        return IDS_CARTRIDGE_BLACK;
    case QOR_CART_BLACK_64:
        return IDS_CARTRIDGE_BLACK_64;
    case QOR_CART_COLOR:
    case QOR_CART_COLOR_85:
    case QOR_CART_COLOR_95:
        return IDS_CARTRIDGE_COLOR;
    case QOR_CART_COLOR_96:
        return IDS_CARTRIDGE_COLOR_96;
    case QOR_CART_PHOTO:
    case QOR_CART_PHOTO_127:
        return IDS_CARTRIDGE_PHOTO;
    case QOR_CART_ALT_COLOR:
    case QOR_CART_ALT_COLOR_143:
        return IDS_CARTRIDGE_ALT_COLOR;
    default:
        return 0;
    }
}
} // namespace

UINT CartridgePictureId(DWORD logicalId) {
    auto row = std::find_if(std::begin(kPictures), std::end(kPictures),
                            [logicalId](const PictureRow& entry) { return entry.id == logicalId; });
    return row != std::end(kPictures) ? row->picture : IDB_CART_MISSING_LEFT;
}

bool IsKnownCartridgeId(DWORD logicalId) {
    return logicalId == QOR_CART_MISSING || FamilyNameId(logicalId) != 0;
}

CartridgeView ShownCartridge(DWORD logicalId, int position) {
    if (logicalId == QOR_CART_MISSING)
        return {position == 2 ? UINT(IDB_CART_MISSING_RIGHT) : UINT(IDB_CART_MISSING_LEFT),
                IDS_CARTRIDGE_NONE};
    UINT name = FamilyNameId(logicalId);
    if (name == 0)
        return {IDB_CART_INVALID, IDS_CARTRIDGE_UNKNOWN};
    return {CartridgePictureId(logicalId), name};
}

CString InvalidCartridgeIdMessage(DWORD logicalId, int position) {
    CString message;
    message.Format("The Cartridge ID handed to the QOR is invalid for LogCartID%d:  %lx",
                   position == 2 ? 2 : 1, static_cast<unsigned long>(logicalId));
    return message;
}

void ReportInvalidCartridgeId(DWORD logicalId, int position, HWND owner) {
    CString message = InvalidCartridgeIdMessage(logicalId, position);
    NvoProduct product;
    if (product.CompareSetting("IDO_DEBUGMSG", 1))
        UtilMessageBox(owner, message, "ERROR", MB_OK);
    CSpy spy;
    spy.OutputError(message);
}
