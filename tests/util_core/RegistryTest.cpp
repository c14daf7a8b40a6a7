// The registry wrapper on the real registry: each test works under a printer name of its own and
// removes its keys afterwards.
#include "Registry.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr char kPrinters[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\";

std::string UniqueName(const char* prefix) {
    static int counter = 0;
    return std::string(prefix) + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
}

// The error of a registry call that must throw, or 0 when it did not throw.
template <typename Call> LONG ThrownError(Call call) {
    try {
        call();
    } catch (CRegistryException* e) {
        const LONG error = e->m_lError;
        e->Delete();
        return error;
    }
    return 0;
}

class PrinterRegistry : public testing::Test {
protected:
    void SetUp() override { m_registry.SetFriendlyName(m_printer.c_str()); }
    void TearDown() override {
        m_registry.Close();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kPrinters + m_printer).c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, m_absolute.c_str());
    }

    // A value as the system sees it, under the printer's key.
    std::string SystemText(const char* subkey, const char* name) {
        char text[256] = "";
        DWORD size = sizeof text;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, (kPrinters + m_printer + "\\" + subkey).c_str(), name,
                         RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
            return "(none)";
        return text;
    }

    std::string m_printer = UniqueName("Corvane Q710 Test ");
    std::string m_absolute = "Software\\" + UniqueName("VqtrUtilTest");
    CRegistry m_registry;
};

TEST_F(PrinterRegistry, CreateTellsWhetherTheKeyIsNew) {
    BOOL created = FALSE;
    ASSERT_TRUE(m_registry.Create("QOR", &created));
    EXPECT_TRUE(created);
    ASSERT_TRUE(m_registry.Create("QOR", &created));
    EXPECT_FALSE(created);
    EXPECT_TRUE(m_registry.Create("QOR"));
    EXPECT_NE(m_registry.GetKey(), nullptr);
}

TEST_F(PrinterRegistry, ValuesRoundTripUnderThePrinterKey) {
    ASSERT_TRUE(m_registry.Create("PrinterDriverData"));
    m_registry.Write("DisableDOS", "1");
    m_registry.Write("Bidi", 1ul);
    m_registry.Write("Big", 0xFFFFFFFFul);
    m_registry.Close();
    EXPECT_EQ(SystemText("PrinterDriverData", "DisableDOS"), "1");

    ASSERT_TRUE(m_registry.Open("PrinterDriverData"));
    CString text;
    m_registry.Read("DisableDOS", text);
    EXPECT_STREQ(text, "1");
    DWORD value = 0;
    m_registry.Read("Bidi", value);
    EXPECT_EQ(value, 1u);
    m_registry.Read("Big", value);
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

TEST_F(PrinterRegistry, LongAndEmptyTextsRoundTrip) {
    ASSERT_TRUE(m_registry.Create("QOR"));
    std::string longText(100000, 'x');
    longText.back() = 'y';
    m_registry.Write("Long", longText.c_str());
    m_registry.Write("Empty", "");
    CString text("stale");
    m_registry.Read("Long", text);
    EXPECT_EQ(text.str(), longText);
    m_registry.Read("Empty", text);
    EXPECT_STREQ(text, "");
}

TEST_F(PrinterRegistry, FailuresThrowWithTheirError) {
    ASSERT_TRUE(m_registry.Create("QOR"));
    m_registry.Write("Number", 5ul);
    m_registry.Write("Text", "5");
    DWORD number = 0;
    CString text;
    EXPECT_EQ(ThrownError([&] { m_registry.Read("Missing", number); }), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ThrownError([&] { m_registry.Read("Missing", text); }), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ThrownError([&] { m_registry.Read("Text", number); }), ERROR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ThrownError([&] { m_registry.Read("Number", text); }), ERROR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ThrownError([&] { m_registry.Write("Null", nullptr); }), ERROR_INVALID_PARAMETER);
    m_registry.Close();
    EXPECT_EQ(ThrownError([&] { m_registry.Read("Number", number); }), ERROR_INVALID_HANDLE);
    EXPECT_EQ(ThrownError([&] { m_registry.Write("Number", 1ul); }), ERROR_INVALID_HANDLE);
    EXPECT_EQ(ThrownError([&] { m_registry.GetSubKeyCount(); }), ERROR_INVALID_HANDLE);
}

TEST_F(PrinterRegistry, TheExceptionNamesTheValue) {
    ASSERT_TRUE(m_registry.Create("QOR"));
    try {
        DWORD value = 0;
        m_registry.Read("Sound", value);
        FAIL() << "no exception";
    } catch (CRegistryException* e) {
        EXPECT_NE(e->m_strWhat.Find("Sound"), -1) << e->m_strWhat.c_str();
        e->Delete();
    }
}

TEST_F(PrinterRegistry, OpenFailsForMissingKeysAndWithoutAPrinter) {
    EXPECT_FALSE(m_registry.Open("QOR"));
    EXPECT_EQ(m_registry.GetKey(), nullptr);
    EXPECT_FALSE(m_registry.Open(nullptr));
    CRegistry unnamed;
    EXPECT_FALSE(unnamed.Open("QOR"));
    EXPECT_FALSE(unnamed.Create("QOR"));
    unnamed.SetFriendlyName("");
    EXPECT_FALSE(unnamed.Create("QOR"));
}

TEST_F(PrinterRegistry, ABackslashInThePrinterNameStandsAsAComma) {
    CRegistry shared;
    shared.SetFriendlyName(("\\\\server\\" + m_printer).c_str());
    ASSERT_TRUE(shared.Create("QOR"));
    shared.Write("Bidi", 1ul);
    shared.Close();
    const std::string stored = std::string(kPrinters) + ",,server," + m_printer + "\\QOR";
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, stored.c_str(), "Bidi", RRF_RT_REG_DWORD, nullptr,
                           &value, &size),
              ERROR_SUCCESS);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string(kPrinters) + ",,server," + m_printer).c_str());
}

TEST_F(PrinterRegistry, AbsoluteKeysUnderTheChosenRoot) {
    m_registry.InitMode(HKEY_CURRENT_USER);
    ASSERT_TRUE(m_registry.Create(m_absolute.c_str(), nullptr, FALSE));
    m_registry.Write("Enable P2P", 1ul);
    m_registry.Close();
    ASSERT_TRUE(m_registry.Open(m_absolute.c_str(), KEY_READ, FALSE));
    DWORD value = 0;
    m_registry.Read("Enable P2P", value);
    EXPECT_EQ(value, 1u);
    // Read access does not allow writing.
    EXPECT_NE(ThrownError([&] { m_registry.Write("Enable P2P", 0ul); }), 0);
    m_registry.InitMode();
    EXPECT_FALSE(m_registry.Open(m_absolute.c_str(), KEY_READ, FALSE));
}

TEST_F(PrinterRegistry, SubkeysAreCountedAndNamedInOrder) {
    const char* const instances[] = {"5&1A2B3C&0&1", "5&1A2B3C&0&2", "Q710SN0042"};
    for (const char* instance : instances)
        ASSERT_TRUE(m_registry.Create(("USB\\" + std::string(instance)).c_str()));
    ASSERT_TRUE(m_registry.Open("USB", KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS));
    ASSERT_EQ(m_registry.GetSubKeyCount(), 3u);
    CString name;
    for (DWORD i = 0; i < 3; ++i) {
        ASSERT_TRUE(m_registry.EnumSubKey(i, name));
        EXPECT_STREQ(name, instances[i]);
    }
    EXPECT_FALSE(m_registry.EnumSubKey(3, name));
    EXPECT_STREQ(name, "");
}

TEST(RegistryVersion, AModernSystemIsTheLatestVersionAndPlatform) {
    EXPECT_EQ(CRegistry::GetOSVer(), 10u);
    EXPECT_EQ(CRegistry::GetOSPlatform(), 10u);
}

} // namespace
