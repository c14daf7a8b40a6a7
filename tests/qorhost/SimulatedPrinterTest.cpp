// The reference host's printer: what it answers to each request and how its state moves.
#include "SimulatedPrinter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// Reads the printer's status as the module does: through a record of its own.
struct ModuleRecords {
    STATUSINFO status{};
    STATUSERROR alert{};
    INKINFO ink{};
    ALIGNINFO align{};
    ModuleRecords() {
        status.lpStatusError = &alert;
        status.lpInk = &ink;
        status.lpHeadAlign = &align;
    }
    RequestRecord Read(SimulatedPrinter& printer) {
        return printer.Answer(CBGetStatus, &status, 0, 0);
    }
};

struct JobCase {
    const char* file;
    const char* kind;
};

class JobFiles : public testing::TestWithParam<JobCase> {};

TEST_P(JobFiles, TheNameSaysWhatThePagePrints) {
    EXPECT_STREQ(SimulatedPrinter::KindOfJob(GetParam().file).name, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Family, JobFiles,
                         testing::Values(JobCase{"vqtrcln.out", "cleaning page"},
                                         JobCase{"vqtrphcl.out", "cleaning page"},
                                         JobCase{"vqtrkcln.out", "cleaning page"},
                                         JobCase{"VQTRCCLN.OUT", "cleaning page"},
                                         JobCase{"vqtralgn.out", "alignment page"},
                                         JobCase{"vqtrphal.out", "alignment page"},
                                         JobCase{"vqtraual.out", "alignment page"},
                                         JobCase{"vqtralbu.out", "alignment page"},
                                         JobCase{"vqtrkau.out", "alignment page"},
                                         JobCase{"vqtrmcal.out", "test page"},
                                         JobCase{"other.prn", "job"}));

TEST(SimulatedPrinter, AJobMakesThePrinterBusyForAFewStatusReadsThenReadyAgain) {
    SimulatedPrinter printer;
    printer.State().status = QOR_STATUS_ALERT;
    ModuleRecords module;
    ASSERT_EQ(printer.Answer(CBSendFile, const_cast<char*>("vqtrcln.out"), 0, 0).result, 1);
    int busyReads = SimulatedPrinter::KindOfJob("vqtrcln.out").busyReads;
    for (int read = 0; read < busyReads; ++read) {
        module.Read(printer);
        EXPECT_EQ(module.status.dwStatus, static_cast<DWORD>(QOR_STATUS_BUSY)) << "read " << read;
    }
    RequestRecord last = module.Read(printer);
    EXPECT_EQ(module.status.dwStatus, static_cast<DWORD>(QOR_STATUS_ALERT));
    EXPECT_EQ(printer.BusyReadsLeft(), 0);
    EXPECT_TRUE(printer.CurrentJob().empty());
    EXPECT_FALSE(last.stateChanged);
}

TEST(SimulatedPrinter, AStartBusyWithAnotherProgramsJobLastsItsReadsThenTheTestJobsToo) {
    PrinterState state = DefaultPrinterState();
    state.busyReads = 2;
    SimulatedPrinter printer(state);
    ModuleRecords module;
    EXPECT_EQ(printer.ReportedStatus(), static_cast<DWORD>(QOR_STATUS_BUSY));
    EXPECT_FALSE(printer.CurrentJob().empty());
    // The test page's job comes on top of the job that prints.
    RequestRecord sent = printer.Answer(CBSendFile, const_cast<char*>("vqtrmcal.out"), 0, 0);
    EXPECT_NE(sent.payload.find("test page"), std::string::npos) << sent.payload;
    const int busyReads = 2 + SimulatedPrinter::KindOfJob("vqtrmcal.out").busyReads;
    for (int read = 0; read < busyReads; ++read) {
        module.Read(printer);
        EXPECT_EQ(module.status.dwStatus, static_cast<DWORD>(QOR_STATUS_BUSY)) << "read " << read;
    }
    module.Read(printer);
    EXPECT_EQ(module.status.dwStatus, static_cast<DWORD>(QOR_STATUS_READY));
}

TEST(SimulatedPrinter, CleaningUsesMoreInkThanAlignmentAndLeavesOddLevelsAlone) {
    auto inkAfter = [](const char* file) {
        SimulatedPrinter printer;
        INKINFO& ink = printer.State().ink;
        ink.nBlackLevel = 50;
        ink.nColorLevel1 = 1;
        ink.nColorLevel2 = -5;
        ink.nColorLevel3 = 250;
        printer.Answer(CBSendFile, const_cast<char*>(file), 0, 0);
        return ink;
    };
    INKINFO cleaned = inkAfter("vqtrcln.out");
    INKINFO aligned = inkAfter("vqtralgn.out");
    EXPECT_LT(cleaned.nBlackLevel, aligned.nBlackLevel);
    EXPECT_LT(aligned.nBlackLevel, 50);
    EXPECT_EQ(cleaned.nColorLevel1, 0);
    EXPECT_EQ(cleaned.nColorLevel2, -5);
    EXPECT_EQ(cleaned.nColorLevel3, 250);
}

TEST(SimulatedPrinter, StatusIsWrittenThroughTheModulesOwnPointers) {
    SimulatedPrinter printer;
    printer.State().alertBytes = {0x04, 0x01};
    printer.State().mediaTray2 = QOR_MEDIA_GLOSSY;
    printer.State().ink.nBlackLevel = 33;
    printer.State().align.dwValue[5] = 12;
    ModuleRecords module;
    EXPECT_EQ(module.Read(printer).result, 1);
    EXPECT_EQ(module.status.lpInk, &module.ink);
    EXPECT_EQ(module.ink.nBlackLevel, 33);
    EXPECT_EQ(module.align.dwValue[5], 12u);
    EXPECT_EQ(module.status.dwMediaTray2, static_cast<DWORD>(QOR_MEDIA_GLOSSY));
    ASSERT_EQ(module.alert.dwAlertStatusLength, 2u);
    EXPECT_EQ(module.alert.lpAlertStatusBytes[0], 0x04);

    // Null records inside are skipped; a null record is refused.
    STATUSINFO bare{};
    EXPECT_EQ(printer.Answer(CBGetStatus, &bare, 0, 0).result, 1);
    EXPECT_EQ(printer.Answer(CBGetStatus, nullptr, 0, 0).result, 0);
}

TEST(SimulatedPrinter, InstalledCartridgesAreTakenAndTheMarkerFillsThatInk) {
    SimulatedPrinter printer;
    INKINFO& state = printer.State().ink;
    state.nBlackLevel = 5;
    state.nColorLevel1 = 7;
    state.bCartChanged1 = state.bCartChanged2 = 1;
    INKINFO reported = state;
    reported.LogCartID2 = QOR_CART_PHOTO;
    reported.nPhotoLevel1 = reported.nPhotoLevel2 = reported.nPhotoLevel3 =
        QOR_NEW_CARTRIDGE_MARKER;
    reported.nColorLevel1 = 99;
    RequestRecord record = printer.Answer(CBInstallCarts, &reported, 0, 0);
    EXPECT_EQ(record.result, 1);
    EXPECT_EQ(state.LogCartID2, static_cast<DWORD>(QOR_CART_PHOTO));
    EXPECT_EQ(state.nPhotoLevel1, 100);
    EXPECT_EQ(state.nPhotoLevel3, 100);
    EXPECT_EQ(state.nBlackLevel, 5);
    EXPECT_EQ(state.nColorLevel1, 7) << "only the marker changes a level";
    EXPECT_EQ(state.bCartChanged1, 0u);
    EXPECT_EQ(state.bCartChanged2, 0u);
    EXPECT_NE(record.payload.find("112 (photo)"), std::string::npos) << record.payload;
    EXPECT_NE(record.payload.find("P new/new/new"), std::string::npos) << record.payload;
}

TEST(SimulatedPrinter, AnotherSessionsJobRefusesTheModulesSessionAndJobs) {
    SimulatedPrinter printer;
    printer.State().heldByOtherSession = true;
    EXPECT_EQ(printer.Answer(CBOpenSession, nullptr, 0, 0).result, 0);
    EXPECT_FALSE(printer.SessionOpen());
    EXPECT_EQ(printer.Answer(CBSendFile, const_cast<char*>("vqtralgn.out"), 0, 0).result, 0);
    EXPECT_EQ(printer.BusyReadsLeft(), 0);

    printer.State().heldByOtherSession = false;
    EXPECT_EQ(printer.Answer(CBOpenSession, nullptr, 0, 0).result, 1);
    EXPECT_TRUE(printer.SessionOpen());
    EXPECT_EQ(printer.Answer(CBCloseSession, nullptr, 0, 0).result, 1);
    EXPECT_FALSE(printer.SessionOpen());
    printer.Answer(CBOpenSession, nullptr, 0, 0);
    printer.Answer(CBNotifyQORClosed, nullptr, 0, 0);
    EXPECT_FALSE(printer.SessionOpen()) << "the module's end ends its session";
}

TEST(SimulatedPrinter, JobsAreCancelledAndHeldJobsResumed) {
    SimulatedPrinter printer;
    printer.Answer(CBSendFile, const_cast<char*>("vqtrmcal.out"), 0, 0);
    EXPECT_GT(printer.BusyReadsLeft(), 0);
    printer.Answer(CBCancelJob, nullptr, 0, 0);
    EXPECT_EQ(printer.BusyReadsLeft(), 0);
    EXPECT_EQ(printer.ReportedStatus(), static_cast<DWORD>(QOR_STATUS_READY));

    printer.State().jobHeld = true;
    printer.Answer(CBResumeJob, nullptr, 0, 0);
    EXPECT_FALSE(printer.State().jobHeld);
    EXPECT_EQ(printer.ReportedStatus(), static_cast<DWORD>(QOR_STATUS_BUSY));
}

TEST(SimulatedPrinter, ChangeCountsAreResetForTheCartridgesInTheRecord) {
    SimulatedPrinter printer;
    PrinterState& state = printer.State();
    state.changeCount[0] = state.changeCount[1] = 3;
    state.ink.bCartChanged1 = state.ink.bCartChanged2 = 1;
    INKINFO reported = state.ink;
    reported.LogCartID2 = QOR_CART_MISSING;
    printer.Answer(CBResetChangeCount, &reported, 0, 0);
    EXPECT_EQ(state.changeCount[0], 0);
    EXPECT_EQ(state.ink.bCartChanged1, 0u);
    EXPECT_EQ(state.changeCount[1], 3);
    EXPECT_EQ(state.ink.bCartChanged2, 1u);
}

TEST(SimulatedPrinter, PayloadsAreDecodedForTheRequestList) {
    SimulatedPrinter printer;
    BYTE bytes[14] = {0x1B, 0x2A, 0x00, 0xFF};
    EXPECT_EQ(printer.Answer(CBSendBytes, bytes, 14, 0).Line(),
              "CBSendBytes: 14 bytes: 1B 2A 00 FF 00 00 00 00 00 00 00 00 00 00 (arg3 14, arg4 0) "
              "-> 1");
    ALIGNINFO align{};
    align.dwValue[0] = 1;
    align.dwValue[17] = 9;
    EXPECT_EQ(printer.Answer(CBSendAlignment, &align, 0, 0).payload,
              "values 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 9");
    EXPECT_EQ(printer.Answer(CBSendFile, nullptr, 0, 0).Line(), "CBSendFile: (no file name) -> 0");
    EXPECT_EQ(printer.Answer(42, nullptr, 0, 0).Line(), "request 42: unknown request -> 0");
    EXPECT_EQ(printer.Answer(CBSendBytes, nullptr, 14, 0).result, 0);
}

TEST(SimulatedPrinter, AlignmentValuesAreKeptAndThePendingAlignmentEnds) {
    SimulatedPrinter printer;
    printer.State().ink.bAlignCart1 = QOR_ALIGN_MANDATORY;
    ALIGNINFO align{};
    align.dwValue[3] = 11;
    printer.Answer(CBSendAlignment, &align, 0, 0);
    EXPECT_EQ(printer.State().align.dwValue[3], 11u);
    EXPECT_EQ(printer.State().ink.bAlignCart1, static_cast<DWORD>(QOR_ALIGN_NONE));
}

struct HexCase {
    const char* text;
    bool parses;
    std::vector<BYTE> bytes;
};

TEST(HexText, AlertBytesAreReadAsPairsOfHexadecimalDigits) {
    const HexCase cases[] = {
        {"", true, {}},
        {"04 01,ff", true, {0x04, 0x01, 0xFF}},
        {"0401FF", true, {0x04, 0x01, 0xFF}},
        {" 1b ", true, {0x1B}},
        {"1", false, {}},
        {"1 2", false, {}},
        {"zz", false, {}},
    };
    for (const HexCase& test : cases) {
        std::vector<BYTE> bytes = {0x99};
        EXPECT_EQ(ParseHexBytes(test.text, bytes), test.parses) << test.text;
        EXPECT_EQ(bytes, test.parses ? test.bytes : std::vector<BYTE>{0x99}) << test.text;
    }
    BYTE many[70] = {};
    EXPECT_EQ(HexBytes(many, 3), "00 00 00");
    EXPECT_EQ(HexBytes(many, 70, 2), "00 00 ...");
    EXPECT_EQ(HexBytes(nullptr, 4), "(null)");
}
} // namespace
