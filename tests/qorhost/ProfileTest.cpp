// The printer profiles shipped beside the host: each an options file for the utility library and
// the printer's starting state.
#include "Profile.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

namespace {
std::string Option(const Profile& profile, const char* key) {
    char text[256] = {};
    ::GetPrivateProfileStringA("Options", key, "", text, sizeof text, profile.path.c_str());
    return text;
}

struct ShippedCase {
    const char* name;
    DWORD carrier;
    DWORD port;
    const char* option;
    const char* value;
};

class ShippedProfiles : public testing::TestWithParam<ShippedCase> {};

TEST_P(ShippedProfiles, LoadWithTheirPrinterAndTheirModelsOptions) {
    const ShippedCase& test = GetParam();
    Profile profile;
    std::string error;
    ASSERT_TRUE(LoadProfile(test.name, profile, error)) << error;
    EXPECT_EQ(profile.name, test.name);
    EXPECT_FALSE(profile.printerName.empty());
    EXPECT_EQ(profile.state.ink.dwCarrierType, test.carrier);
    EXPECT_EQ(profile.state.port.dwPortType, test.port);
    EXPECT_EQ(Option(profile, test.option), test.value);
    // Every key of the default model's options is there, changed or not.
    EXPECT_FALSE(Option(profile, "IDO_PRINTSTYLE").empty());
    EXPECT_FALSE(Option(profile, "IDO_QOR_RESDLL").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, ShippedProfiles,
    testing::Values(ShippedCase{"default", 2, 2, "IDO_PRODUCT_PREFIX", "Q710"},
                    ShippedCase{"one-cartridge", 3, 2, "IDO_PRINTHEADFORMAT", "0"},
                    ShippedCase{"ink-tank", 1, 2, "IDO_SUPPORT_AUTOALIGNMENT", "1"},
                    ShippedCase{"all-in-one", 2, 2, "IDO_AIO_FAMILY", "1"},
                    ShippedCase{"network", 2, 4, "IDO_NETWORKCONFIGURATION", "1"},
                    ShippedCase{"busy", 2, 2, "IDO_PRODUCT_PREFIX", "Q710"}),
    [](const testing::TestParamInfo<ShippedCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            c = c == '-' ? '_' : c;
        return name;
    });

TEST(Profiles, TheFolderListsEveryShippedProfile) {
    std::vector<std::string> names = ProfileNames();
    for (const char* name : {"all-in-one", "busy", "default", "ink-tank", "network",
                             "one-cartridge", "low-ink", "low-photo-ink", "post-install"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
}

TEST(Profiles, TheLowInkProfilesCarryTheModelsThresholdsAndTheOthersNone) {
    for (const char* name : {"low-ink", "low-photo-ink", "default"}) {
        Profile profile;
        std::string error;
        ASSERT_TRUE(LoadProfile(name, profile, error)) << error;
        const bool low = std::string(name) != "default";
        EXPECT_EQ(profile.lowInkAlert, low ? std::optional<DWORD>(10) : std::nullopt) << name;
        EXPECT_EQ(profile.lowInkWarning, low ? std::optional<DWORD>(25) : std::nullopt) << name;
    }
}

TEST(Profiles, AMissingProfileIsRefusedWithWhereItWasLookedFor) {
    Profile profile;
    std::string error;
    EXPECT_FALSE(LoadProfile("no-such-printer", profile, error));
    EXPECT_NE(error.find("no-such-printer.ini"), std::string::npos) << error;
}

TEST(Profiles, PrinterValuesMayBeNegativeHexadecimalOrLeftOut) {
    testing_support::TempFile file(".ini");
    file.Write("[Printer]\nName=Test Printer\nBlack=-7\nLogicalCartridge1=0x70\n"
               "AlertBytes=0a 0B\nAlignValues=1 2 3\nOtherSessionJob=1\nCyan=lots\n"
               "BusyReads=12\n");
    Profile profile;
    std::string error;
    ASSERT_TRUE(LoadProfile(file.Path(), profile, error)) << error;
    const PrinterState defaults = DefaultPrinterState();
    EXPECT_EQ(profile.printerName, "Test Printer");
    EXPECT_EQ(profile.state.ink.nBlackLevel, -7);
    EXPECT_EQ(profile.state.ink.LogCartID1, 0x70u);
    EXPECT_EQ(profile.state.ink.nColorLevel1, defaults.ink.nColorLevel1) << "not a number";
    EXPECT_EQ(profile.state.ink.dwCarrierType, defaults.ink.dwCarrierType) << "left out";
    EXPECT_EQ(profile.state.alertBytes, (std::vector<BYTE>{0x0A, 0x0B}));
    EXPECT_EQ(profile.state.align.dwValue[2], 3u);
    EXPECT_EQ(profile.state.align.dwValue[3], defaults.align.dwValue[3]);
    EXPECT_TRUE(profile.state.heldByOtherSession);
    EXPECT_EQ(profile.state.busyReads, 12);
}
} // namespace

TEST(Profiles, ThePostInstallProfileWritesItsPreloadFileAndFillsTheSetupCd) {
    Profile profile;
    std::string error;
    ASSERT_TRUE(LoadProfile("post-install", profile, error)) << error;
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    const std::string preload = std::string(system) + "\\" + Option(profile, "IDO_PLC_FILENAME");
    UseProfileInstallation(profile);
    char value[32] = {};
    ::GetPrivateProfileStringA("Preload", "PostInstallDialogs", "", value, sizeof value,
                               preload.c_str());
    EXPECT_STREQ(value, "1");
    if (::GetDriveTypeA("S:\\") == DRIVE_CDROM) {
        for (const char* file : {"S:\\vqtrcomp.inf", "S:\\pubs\\english\\vqtrugxp.chm"}) {
            EXPECT_NE(::GetFileAttributesA(file), INVALID_FILE_ATTRIBUTES) << file;
            ::DeleteFileA(file);
        }
        ::RemoveDirectoryA("S:\\pubs\\english");
        ::RemoveDirectoryA("S:\\pubs");
    }
    ::DeleteFileA(preload.c_str());
}
