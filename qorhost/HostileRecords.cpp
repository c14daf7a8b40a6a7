#include "HostileRecords.h"

#include <climits>

namespace soak {

int Below(Random& random, size_t count) {
    return count ? static_cast<int>(std::uniform_int_distribution<size_t>(0, count - 1)(random))
                 : 0;
}

bool Chance(Random& random, int percent) {
    return Below(random, 100) < percent;
}

DWORD AnyValue(Random& random) {
    return static_cast<DWORD>(random());
}

namespace {
LONG HostileLevel(Random& random) {
    switch (Below(random, 8)) {
    case 0:
        return Pick<LONG>(random, {INT_MIN, INT_MAX, -1, 101, 12, 13});
    case 1:
        return QOR_NEW_CARTRIDGE_MARKER;
    case 2:
        return static_cast<LONG>(AnyValue(random));
    default:
        return Below(random, 101);
    }
}

DWORD HostileCartridge(Random& random) {
    if (Chance(random, 15))
        return Pick<DWORD>(random, {AnyValue(random), 0xFFFFFFFFu, 17, 200, 1000});
    return Pick<DWORD>(random,
                       {0, 16, 32, 48, 53, 63, 64, 80, 85, 95, 96, 112, 127, 128, 143, 999});
}

DWORD HostileSmall(Random& random, DWORD top) {
    return Chance(random, 10) ? Pick<DWORD>(random, {AnyValue(random), 0xFFFFFFFFu, top + 1})
                              : static_cast<DWORD>(Below(random, top + 1));
}

} // namespace

void MakeInk(Random& random, INKINFO& ink) {
    ink.dwCarrierType =
        Chance(random, 85) ? Pick<DWORD>(random, {1, 2, 3}) : HostileSmall(random, 4);
    LONG* levels = &ink.nBlackLevel;
    for (int index = 0; index < 7; ++index)
        levels[index] = HostileLevel(random);
    ink.dwReserved8 = AnyValue(random);
    ink.dwReserved21 = AnyValue(random);
    ink.bCartChanged1 = HostileSmall(random, 1);
    ink.bCartChanged2 = HostileSmall(random, 1);
    ink.LogCartID1 = HostileCartridge(random);
    ink.LogCartID2 = HostileCartridge(random);
    ink.PhyCartID1 = Chance(random, 50) ? ink.LogCartID1 : HostileCartridge(random);
    ink.PhyCartID2 = Chance(random, 50) ? ink.LogCartID2 : HostileCartridge(random);
    ink.dwCarried17 = AnyValue(random);
    ink.bAlignCart1 = HostileSmall(random, 2);
    ink.bAlignCart2 = HostileSmall(random, 2);
}

void MakeAlert(Random& random, std::vector<BYTE>& bytes) {
    bytes.resize(Below(random, 65));
    for (BYTE& byte : bytes)
        byte = static_cast<BYTE>(random());
}

void MakeHostile(Random& random, HostileRecords& records) {
    STATUSINFO& status = records.status;
    status = STATUSINFO{};
    status.dwStatus = HostileSmall(random, 11);
    status.dwMediaTray1 = Chance(random, 80) ? Below(random, 6) : HostileSmall(random, 255);
    status.dwMediaTray2 = Chance(random, 80) ? Below(random, 6) : HostileSmall(random, 255);
    if (!Chance(random, 10)) {
        MakeInk(random, records.ink);
        status.lpInk = &records.ink;
    }
    if (!Chance(random, 10)) {
        for (DWORD& value : records.align.dwValue)
            value = HostileSmall(random, 30);
        status.lpHeadAlign = &records.align;
    }
    if (!Chance(random, 10)) {
        MakeAlert(random, records.alertBytes);
        records.alert.lpAlertStatusBytes =
            records.alertBytes.empty() ? nullptr : records.alertBytes.data();
        records.alert.dwAlertStatusLength = static_cast<DWORD>(records.alertBytes.size());
        // No bytes, yet a length: the module must not read through the null pointer.
        if (Chance(random, 15)) {
            records.alert.lpAlertStatusBytes = nullptr;
            records.alert.dwAlertStatusLength = Pick<DWORD>(random, {1, 14, 64, 0xFFFFFFFFu});
        }
        status.lpStatusError = &records.alert;
    }
    records.port.dwPortType = HostileSmall(random, 11);
    records.port.dwPortValue1 = AnyValue(random);
    records.port.dwPortValue2 = AnyValue(random);
}

int HostileTopic(Random& random) {
    switch (Below(random, 10)) {
    case 0:
    case 1:
    case 2:
        return Pick(random, {0,   100, 101, 102, 103, 104, 105, 106, 107, 108, 201, 203, 206,
                             209, 212, 214, 216, 218, 221, 222, 223, 224, 225, 301, 302, 303,
                             304, 305, 306, 308, 313, 314, 315, 316, 400, 401, 402, 404, 405,
                             406, 407, 408, 409, 410, 411, 412, 500, 600, 700, 701, 900});
    case 3:
    case 4:
    case 5:
        return Below(random, 1001);
    case 6:
        return -Below(random, 1001);
    case 7:
        return Pick(random, {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, -1});
    default:
        return 100 + Below(random, 6);
    }
}

} // namespace soak
