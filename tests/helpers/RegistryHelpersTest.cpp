// The model's supplies key, the USB serial number, the CD root and the cartridge change sound.
#include "HelpersSupport.h"

namespace {
constexpr const char* kCompanyKey = "SOFTWARE\\Corvane";
constexpr const char* kSuppliesKey = "SOFTWARE\\CORVANE\\SUPPLIES\\Corvane Q710 Series";
constexpr const char* kProductTop = "SOFTWARE\\{3A1D6E57-0C9B-4b21-8F4E-7D2C9A61B0E3}";
constexpr const char* kProductKey =
    "SOFTWARE\\{3A1D6E57-0C9B-4b21-8F4E-7D2C9A61B0E3}\\vqtr\\product";
constexpr const char* kUsbDeviceKey = "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_0e7a&Pid_01c3";

// A folder standing for the installation CD, removed with what it holds.
class ScopedCD {
public:
    explicit ScopedCD(const std::string& name) : m_root(TempFolder() + name) {
        ::CreateDirectoryA(m_root.c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\APPLICATIONS").c_str(), nullptr);
    }
    ~ScopedCD() {
        for (const char* file :
             {"\\vqtrcomp.inf", "\\APPLICATIONS\\setup.exe", "\\APPLICATIONS\\setup.exe.cmdline"})
            ::DeleteFileA((m_root + file).c_str());
        ::RemoveDirectoryA((m_root + "\\APPLICATIONS").c_str());
        ::RemoveDirectoryA(m_root.c_str());
    }
    ScopedCD(const ScopedCD&) = delete;
    ScopedCD& operator=(const ScopedCD&) = delete;
    const std::string& Root() const { return m_root; }
    void AddMarker() const { std::ofstream(m_root + "\\vqtrcomp.inf") << "[Version]\n"; }
    // The setup program is the launch recorder, which writes its command line beside itself.
    void AddSetup() const {
        ::CopyFileA((ProgramFolder() + "launch_recorder.exe").c_str(),
                    (m_root + "\\APPLICATIONS\\setup.exe").c_str(), FALSE);
    }
    std::string SetupCommandLine() const {
        std::string record = ReadWholeFile(m_root + "\\APPLICATIONS\\setup.exe.cmdline");
        return record.substr(0, record.find('\n'));
    }

private:
    std::string m_root;
};
} // namespace

class RegistryHelpersTest : public MainWindowTest {
protected:
    // Other tests of the prefix (the low-ink dialogs, the post-install wizard) file values under
    // the model's supplies key: each test here starts without it.
    RegistryHelpersTest() { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSuppliesKey); }
    CQORTabDlg main;
};

TEST_F(RegistryHelpersTest, SuppliesValuesAreWrittenAndReadUnderTheModelsKey) {
    ScopedMachineKey company(kCompanyKey);
    EXPECT_EQ(std::string(main.ReadRegValueFromModel("ServiceTag")), "") << "no supplies key";
    main.WriteRegValueToModel("ServiceTag", "QX-1234");
    EXPECT_TRUE(log.HasSequence(
        {"CQORTabDlg::WriteRegValueToModel", "ServiceTag", "QX-1234", kSuppliesKey}));
    EXPECT_EQ(MachineValue(kSuppliesKey, "ServiceTag"), "QX-1234");
    EXPECT_EQ(std::string(main.ReadRegValueFromModel("ServiceTag")), "QX-1234");
    EXPECT_EQ(std::string(main.ReadRegValueFromModel("NoSuchValue")), "");
}

TEST_F(RegistryHelpersTest, AnOverLongSuppliesValueIsRefusedAndLogged) {
    ScopedMachineKey company(kCompanyKey);
    struct Case {
        size_t length;
        bool taken;
    };
    const Case cases[] = {{259, true}, {260, false}, {5000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string value(c.length, 'x');
        main.WriteRegValueToModel("Threshold", value.c_str());
        EXPECT_EQ(std::string(main.ReadRegValueFromModel("Threshold")), c.taken ? value : "");
        EXPECT_EQ(log.Contains("CQORTabDlg::ReadRegValueFromModel() value too long, not used"),
                  !c.taken);
    }
}

TEST_F(RegistryHelpersTest, TheSerialNumberIsTheLastUsbInstance) {
    struct Case {
        std::vector<const char*> instances; // in the order they are made
        const char* serial;                 // instances are enumerated by name
    };
    const Case cases[] = {
        {{}, ""}, {{"5&2F1A0C3&0&1"}, "5&2F1A0C3&0&1"}, {{"SN200", "SN300", "SN100"}, "SN300"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        ScopedMachineKey device(kUsbDeviceKey);
        for (const char* instance : c.instances)
            device.AddSubKey(instance);
        EXPECT_EQ(std::string(main.GetSerialNumber()), c.serial);
        EXPECT_TRUE(log.HasSequence({"Your Serial Number is (below)", c.serial}));
        EXPECT_EQ(log.Contains("Enum USB key success!"), *c.serial != '\0');
    }
    EXPECT_EQ(std::string(main.GetSerialNumber()), "") << "no device key";
}

TEST_F(RegistryHelpersTest, TheCDRootIsTakenFromTheProductKeyWhenItFits) {
    ScopedCD cd("vqtr_cd_root");
    cd.AddMarker();
    ScopedMachineKey top(kProductTop);
    ScopedMachineKey product(kProductKey);
    std::strcpy(g_szCDRoot, "unchanged");
    EXPECT_FALSE(main.FindCDRoot("vqtrcomp.inf")) << "no CDROOT value";
    EXPECT_STREQ(g_szCDRoot, "unchanged");

    product.SetText("CDROOT", cd.Root());
    EXPECT_TRUE(main.FindCDRoot("vqtrcomp.inf"));
    EXPECT_EQ(std::string(g_szCDRoot), cd.Root() + "\\");
    EXPECT_FALSE(main.FindCDRoot("missing.inf"));
    EXPECT_TRUE(log.HasSequence({"FindFile() return code", "0"}));

    // The root, its backslash and the NUL fill the 260-byte buffer at most.
    struct Case {
        size_t length;
        bool taken;
    };
    const Case cases[] = {{258, true}, {259, false}, {1000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::strcpy(g_szCDRoot, "unchanged");
        std::string root = "C:\\" + std::string(c.length - 3, 'r');
        product.SetText("CDROOT", root);
        EXPECT_FALSE(main.FindCDRoot("vqtrcomp.inf"));
        EXPECT_EQ(std::string(g_szCDRoot), c.taken ? root + "\\" : "unchanged");
        EXPECT_EQ(log.Contains("CQORTabDlg::FindCDRoot() the registered CD root is too long"),
                  !c.taken);
    }
}

TEST_F(RegistryHelpersTest, TheCDsApplicationSetupRunsOnlyWhenTheCDHasItsMarkerAndTheProgram) {
    // A program planted where an unquoted path with blanks would be cut: "...\vqtr.exe".
    std::string plant = TempFolder() + "vqtr.exe";
    ASSERT_TRUE(
        ::CopyFileA((ProgramFolder() + "launch_recorder.exe").c_str(), plant.c_str(), FALSE));
    struct Case {
        const char* root;
        bool marker;
        bool setup;
    };
    const Case cases[] = {{"vqtr_cd_setup", false, true},
                          {"vqtr_cd_setup", true, false},
                          {"vqtr_cd_setup", true, true},
                          {"vqtr cd setup", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.root << c.marker << c.setup);
        ScopedCD cd(c.root);
        if (c.marker)
            cd.AddMarker();
        if (c.setup)
            cd.AddSetup();
        ScopedMachineKey top(kProductTop);
        ScopedMachineKey product(kProductKey);
        product.SetText("CDROOT", cd.Root());
        main.RunCDApplicationsSetup();
        bool ran = c.marker && c.setup;
        // The command line is the quoted setup program followed by one blank.
        EXPECT_EQ(cd.SetupCommandLine(),
                  ran ? "\"" + cd.Root() + "\\APPLICATIONS\\setup.exe\" " : "");
    }
    ::DeleteFileA(plant.c_str());
}

TEST_F(RegistryHelpersTest, TheCartridgeChangeSoundPlaysFromTheMediaFolderWhenSoundsAreOn) {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    std::string media = std::string(windows) + "\\Media";
    ::CreateDirectoryA(media.c_str(), nullptr);
    std::string path = media + "\\" + kCartridgeChangeSound;
    ASSERT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);

    main.m_bSoundOn = 1;
    main.PlayCartridgeChangeSound();
    EXPECT_TRUE(log.HasSequence({"Sound file not found", kCartridgeChangeSound}));

    // A short silent PCM sound: 8 kHz, 8 bits, mono.
    std::string samples(800, '\x80');
    std::string wave = "RIFF";
    auto put32 = [&wave](DWORD value) { wave.append(reinterpret_cast<const char*>(&value), 4); };
    auto put16 = [&wave](WORD value) { wave.append(reinterpret_cast<const char*>(&value), 2); };
    put32(static_cast<DWORD>(36 + samples.size()));
    wave += "WAVEfmt ";
    put32(16);
    put16(WAVE_FORMAT_PCM);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    wave += "data";
    put32(static_cast<DWORD>(samples.size()));
    wave += samples;
    testing_support::TempFile sound(path, wave);

    size_t before = log.Lines().size();
    main.m_bSoundOn = 0;
    main.PlayCartridgeChangeSound();
    EXPECT_TRUE(LinesSince(log, before).empty()) << "sounds off: nothing is played";

    main.m_bSoundOn = 1;
    main.PlayCartridgeChangeSound();
    // Without a sound device nothing is heard; the call is made all the same.
    EXPECT_TRUE(log.HasSequence(
        {"CQORTabDlg::PlayCartridgeChangeSound()", path, "PlaySound() return code"}));
    ::PlaySoundA(nullptr, nullptr, 0);
}
