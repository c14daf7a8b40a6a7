#include "CartridgeKinds.h"

#include <qor.h>

CartridgeKind KindOfCartridge(DWORD id) {
    switch (id) {
    case QOR_CART_BLACK:
    case QOR_CART_BLACK_53:
    case QOR_CART_BLACK_63:
    case QOR_CART_BLACK_64:
        return CartridgeKind::Black;
    case QOR_CART_COLOR:
    case QOR_CART_COLOR_85:
    case QOR_CART_COLOR_95:
    case QOR_CART_COLOR_96:
        return CartridgeKind::Cmy;
    case QOR_CART_PHOTO:
    case QOR_CART_PHOTO_127:
    case 175:
    case 191:
        return CartridgeKind::Kcm;
    case QOR_CART_ALT_COLOR:
    case 133:
    case QOR_CART_ALT_COLOR_143:
    case 144:
        return CartridgeKind::AltCmy;
    case QOR_CART_MISSING:
        return CartridgeKind::Missing;
    default:
        return CartridgeKind::Invalid;
    }
}

bool BelongsLeft(DWORD id) {
    CartridgeKind kind = KindOfCartridge(id);
    return kind == CartridgeKind::Cmy || kind == CartridgeKind::AltCmy;
}

bool BelongsRight(DWORD id) {
    CartridgeKind kind = KindOfCartridge(id);
    return kind == CartridgeKind::Black || kind == CartridgeKind::Kcm;
}
