#include "status/StatusRecords.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
// A host record with every field set to something recognisable.
struct HostRecords {
    HostRecords() {
        DWORD* fields = reinterpret_cast<DWORD*>(&ink);
        for (DWORD index = 0; index < 23; ++index)
            fields[index] = 100 + index;
        for (DWORD index = 0; index < QOR_ALIGN_VALUES; ++index)
            align.dwValue[index] = 200 + index;
        alert.lpAlertStatusBytes = bytes;
        alert.dwAlertStatusLength = 2;
        status = {7, &alert, 3, 4, &ink, &align};
    }
    BYTE bytes[2] = {0x80, 0x03};
    INKINFO ink{};
    ALIGNINFO align{};
    STATUSERROR alert{};
    STATUSINFO status{};
};

const DWORD* Fields(const INKINFO& ink) {
    return reinterpret_cast<const DWORD*>(&ink);
}
} // namespace

TEST(StatusRecords, TakingInCopiesTheListedFieldsAndKeepsTheReservedOnes) {
    StatusRecordSet records;
    DWORD* mine = reinterpret_cast<DWORD*>(&records.ink);
    for (DWORD index = 0; index < 23; ++index)
        mine[index] = 9;
    HostRecords host;
    ASSERT_TRUE(records.TakeIn(&host.status));

    for (DWORD index = 0; index < 23; ++index) {
        bool reserved = (index >= 8 && index <= 10) || index >= 21;
        EXPECT_EQ(Fields(records.ink)[index], reserved ? 9u : 100 + index) << "field " << index;
    }
    EXPECT_EQ(records.info.dwStatus, 7u);
    EXPECT_EQ(records.info.dwMediaTray1, 3u);
    EXPECT_EQ(records.info.dwMediaTray2, 4u);
    EXPECT_EQ(0, std::memcmp(&records.align, &host.align, sizeof host.align));
    // From now on the record leads to our copies, never to the host's memory.
    EXPECT_EQ(records.info.lpInk, &records.ink);
    EXPECT_EQ(records.info.lpHeadAlign, &records.align);
    EXPECT_EQ(records.info.lpStatusError, &records.error);
    ASSERT_EQ(records.error.dwAlertStatusLength, 2u);
    EXPECT_NE(records.error.lpAlertStatusBytes, host.bytes);
    EXPECT_EQ(records.error.lpAlertStatusBytes[0], 0x80);
    EXPECT_EQ(records.error.lpAlertStatusBytes[1], 0x03);
}

TEST(StatusRecords, NullRecordsKeepWhatTheCopyHeld) {
    StatusRecordSet records;
    HostRecords host;
    records.TakeIn(&host.status);

    EXPECT_FALSE(records.TakeIn(static_cast<const STATUSINFO*>(nullptr)));
    EXPECT_EQ(records.info.dwStatus, 7u);

    STATUSINFO partial{2, nullptr, 0, 0, nullptr, nullptr};
    ASSERT_TRUE(records.TakeIn(&partial));
    EXPECT_EQ(records.info.dwStatus, 2u);
    EXPECT_EQ(records.ink.nBlackLevel, 101);
    EXPECT_EQ(records.align.dwValue[5], 205u);
    // No alert record: no alert.
    EXPECT_EQ(records.error.dwAlertStatusLength, 0u);
    EXPECT_EQ(records.error.lpAlertStatusBytes, nullptr);
}

TEST(StatusRecords, AnAlertLongerThanAnyPrinterCodeIsCut) {
    std::vector<BYTE> bytes(StatusRecordSet::kMaxAlertBytes + 50, 0x20);
    STATUSERROR alert{bytes.data(), static_cast<DWORD>(bytes.size())};
    STATUSINFO status{9, &alert, 0, 0, nullptr, nullptr};
    StatusRecordSet records;
    records.TakeIn(&status);
    EXPECT_EQ(records.error.dwAlertStatusLength, StatusRecordSet::kMaxAlertBytes);

    STATUSERROR nullBytes{nullptr, 40};
    status.lpStatusError = &nullBytes;
    records.TakeIn(&status);
    EXPECT_EQ(records.error.dwAlertStatusLength, 0u);
}

TEST(StatusRecords, AHostFillingOurRecordInPlaceIsTakenIn) {
    StatusRecordSet records;
    HostRecords host;
    records.TakeIn(&host.status);

    // What a host does for CBGetStatus: writes through the pointers, or replaces them.
    records.info.lpInk->nBlackLevel = 5;
    records.info.dwStatus = 2;
    BYTE hostAlert[] = {0x20, 0x51, 0x00};
    records.info.lpStatusError->lpAlertStatusBytes = hostAlert;
    records.info.lpStatusError->dwAlertStatusLength = 3;
    records.TakeIn(&records.info);

    EXPECT_EQ(records.ink.nBlackLevel, 5);
    EXPECT_EQ(records.info.dwStatus, 2u);
    ASSERT_EQ(records.error.dwAlertStatusLength, 3u);
    EXPECT_NE(records.error.lpAlertStatusBytes, hostAlert);
    EXPECT_EQ(records.error.lpAlertStatusBytes[1], 0x51);

    INKINFO replaced = host.ink;
    replaced.nBlackLevel = 33;
    records.info.lpInk = &replaced;
    records.TakeIn(&records.info);
    EXPECT_EQ(records.ink.nBlackLevel, 33);
    EXPECT_EQ(records.info.lpInk, &records.ink);
}

TEST(StatusRecords, TheSnapshotHoldsExactlyTheCurrentCopies) {
    StatusRecordSet current;
    StatusRecordSet previous;
    HostRecords host;
    current.TakeIn(&host.status);
    PORTINFO port{5, 6, 7};
    current.TakeIn(&port);
    previous.SnapshotOf(current);

    host.ink.nBlackLevel = 1;
    host.align.dwValue[3] = 1;
    host.status.dwStatus = 1;
    current.TakeIn(&host.status);

    EXPECT_EQ(previous.info.dwStatus, 7u);
    EXPECT_EQ(previous.ink.nBlackLevel, 101);
    EXPECT_EQ(previous.align.dwValue[3], 203u);
    EXPECT_EQ(previous.port.dwPortType, 5u);
    EXPECT_EQ(previous.port.dwPortValue2, 7u);
    EXPECT_EQ(previous.info.lpInk, &previous.ink);
    EXPECT_EQ(previous.info.lpHeadAlign, &previous.align);
    EXPECT_EQ(previous.error.dwAlertStatusLength, 2u);
}
