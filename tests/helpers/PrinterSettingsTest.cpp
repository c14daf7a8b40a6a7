// The printer's own settings in the registry: read at every open, written by save and revert.
#include "HelpersSupport.h"

#include <vector>

namespace {
constexpr const char* kCompanyKey = "SOFTWARE\\Corvane";

bool MachineKeyExists(const char* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}
} // namespace

class PrinterSettingsTest : public MainWindowTest {
protected:
    std::string Key(const char* sub) const { return PrinterKey(printer) + "\\" + sub; }
};

TEST_F(PrinterSettingsTest, AFreshPrinterKeyIsWrittenWithTheDefaults) {
    ASSERT_EQ(MachineValue(Key("QOR"), "Bidi"), "<missing>");
    ASSERT_EQ(Open(100), 1);
    EXPECT_EQ(MachineValue(Key("QOR"), "Bidi"), "1");
    EXPECT_EQ(MachineValue(Key("QOR"), "Show Network Errors"), "1");
    EXPECT_EQ(MachineValue(Key("QOR"), "Sound"), "<missing>");
    EXPECT_EQ(MachineValue(Key("PrinterDriverData"), "DisableDOS"), "0");
    EXPECT_EQ(Main()->m_bBidi, 1);
    EXPECT_EQ(Main()->m_bShowNetworkErrors, 1);
    EXPECT_EQ(Main()->m_bDOSPrinting, 1);
    EXPECT_EQ(Main()->m_bSoundOn, 1);
    EXPECT_TRUE(log.Contains("CQORTabDlg::ReadPrinterSettings()"));
}

TEST_F(PrinterSettingsTest, AnExistingKeyIsReadAndNotRewritten) {
    ScopedMachineKey qor(Key("QOR"));
    qor.SetDword("Bidi", 0);
    qor.SetDword("Sound", 0);
    ScopedMachineKey driverData(Key("PrinterDriverData"));
    ASSERT_EQ(Open(100), 1);
    EXPECT_EQ(Main()->m_bBidi, 0);
    EXPECT_EQ(Main()->m_bBidiNew, 0);
    // A missing value keeps the default: network errors off, DOS printing not disabled.
    EXPECT_EQ(Main()->m_bShowNetworkErrors, 0);
    EXPECT_EQ(Main()->m_bDOSPrinting, 1);
    EXPECT_EQ(Main()->m_bSoundOn, 0);
    EXPECT_EQ(MachineValue(Key("QOR"), "Bidi"), "0");
    EXPECT_EQ(MachineValue(Key("QOR"), "Show Network Errors"), "<missing>");
    EXPECT_EQ(MachineValue(Key("PrinterDriverData"), "DisableDOS"), "<missing>");
}

TEST_F(PrinterSettingsTest, ASettingOfAnotherTypeOrSizeKeepsItsDefaultAndIsLogged) {
    struct Case {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
    };
    const Case cases[] = {{"text", REG_SZ, {'0', 0}},
                          {"two bytes", REG_BINARY, {0, 0}},
                          {"eight bytes", REG_QWORD, {0, 0, 0, 0, 0, 0, 0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedMachineKey qor(Key("QOR"));
        ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, Key("QOR").c_str(), "Bidi", c.type,
                                    c.data.data(), static_cast<DWORD>(c.data.size())),
                  ERROR_SUCCESS);
        ASSERT_EQ(Open(100), 1);
        EXPECT_EQ(Main()->m_bBidi, 1);
        EXPECT_TRUE(log.HasSequence(
            {"CQORTabDlg: a printer setting is missing or not a number, its default stands",
             "Bidi"}));
        EntryTerminateNow();
    }
}

TEST_F(PrinterSettingsTest, OnlyADisableDOSTextStartingWithOneTurnsDOSPrintingOff) {
    struct Case {
        const char* text;
        BOOL dosPrinting;
    };
    const Case cases[] = {{"1", 0}, {"10", 0}, {"0", 1}, {"", 1}, {"2", 1}, {" 1", 1}, {"01", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ScopedMachineKey driverData(Key("PrinterDriverData"));
        driverData.SetText("DisableDOS", c.text);
        ASSERT_EQ(Open(100), 1);
        EXPECT_EQ(Main()->m_bDOSPrinting, c.dosPrinting);
        EXPECT_EQ(Main()->m_bDOSPrintingNew, c.dosPrinting);
        EXPECT_EQ(MachineValue(Key("PrinterDriverData"), "DisableDOS"), c.text);
        EntryTerminateNow();
    }
}

TEST_F(PrinterSettingsTest, PeerToPeerSharingStaysOnUnlessTheCompanyKeySaysOff) {
    // Other tests of the prefix file their settings under the company key: it goes first.
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kCompanyKey);
    ASSERT_FALSE(MachineKeyExists(kCompanyKey));
    // "Show Network Errors" is read just before: a missing P2P value must not take it over.
    ScopedMachineKey qor(Key("QOR"));
    qor.SetDword("Show Network Errors", 0);
    ASSERT_EQ(Open(100), 1);
    EXPECT_EQ(Main()->m_bEnableP2P, 1) << "no company key";
    EntryTerminateNow();

    struct Case {
        const char* name;
        int value; // -1: the company key has no value
        BOOL enableP2P;
    };
    const Case cases[] = {{"no value", -1, 1}, {"off", 0, 0}, {"on", 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedMachineKey company(kCompanyKey);
        if (c.value >= 0)
            company.SetDword("Enable P2P", static_cast<DWORD>(c.value));
        ASSERT_EQ(Open(100), 1);
        EXPECT_EQ(Main()->m_bEnableP2P, c.enableP2P);
        EntryTerminateNow();
    }
}

TEST_F(PrinterSettingsTest, SaveWritesTheEditedValuesAndRevertTheStoredOnes) {
    struct Case {
        bool save;
        const char* bidi;
        const char* disableDOS;
    };
    // Stored: Bidi on, DOS printing on; edited: both off.
    const Case cases[] = {{true, "0", "1"}, {false, "1", "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.save ? "save" : "revert");
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, PrinterKey(printer).c_str());
        ScopedMachineKey company(kCompanyKey);
        company.SetDword("Enable P2P", 1);
        ASSERT_EQ(Open(100), 1);
        Main()->m_bBidiNew = 0;
        Main()->m_bDOSPrintingNew = 0;
        Main()->m_bEnableP2P = 0;
        Main()->UpdateSettingsChanged();
        EXPECT_EQ(Main()->m_bSettingsChanged, 1);
        if (c.save)
            Main()->SaveSettingsAndClose();
        else
            Main()->RevertSettingsAndClose();
        EXPECT_EQ(Main(), nullptr) << "the window closes with it";
        EXPECT_EQ(MachineValue(Key("QOR"), "Bidi"), c.bidi);
        EXPECT_EQ(MachineValue(Key("PrinterDriverData"), "DisableDOS"), c.disableDOS);
        EXPECT_EQ(MachineValue(kCompanyKey, "Enable P2P"), "0");
    }
}

TEST_F(PrinterSettingsTest, SoundsAreOnUnlessThePrinterSaysOff) {
    struct Case {
        int sound; // -1: no value
        BOOL on;
    };
    const Case cases[] = {{-1, 1}, {0, 0}, {1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sound);
        ScopedMachineKey qor(Key("QOR"));
        if (c.sound >= 0)
            qor.SetDword("Sound", static_cast<DWORD>(c.sound));
        ASSERT_EQ(Open(100), 1);
        EXPECT_EQ(Main()->m_bSoundOn, c.on);
        EXPECT_EQ(Main()->IsSoundOn(), c.on);
        EntryTerminateNow();
    }
}
