// The resource module of the user's language: chosen by the locale's primary language, with
// English when the language's module is not installed.
#include "MainWindowFixture.h"
#include "TestEnvironment.h"
#include "host/ResourceLanguage.h"

#include <string>

TEST(ResourceLanguage, TheLocalesLanguageNamesItsModuleAndEnglishIsTheBase) {
    const std::pair<const char*, std::string> cases[] = {
        {"00000409", "vqtrqorr.dll"},
        {"00000809", "vqtrqorr.dll"},
        {"00000407", "vqtrqorr_de.dll"},
        {"00000c07", "vqtrqorr_de.dll"},
        {"00000401", "vqtrqorr_ar.dll"},
        {"00000c01", "vqtrqorr_ar.dll"},
        {"0000040d", "vqtrqorr_he.dll"},
        {"0000040c", "vqtrqorr_fr.dll"},
        {"0000xyz9", "vqtrqorr.dll"},
        {"409", "vqtrqorr.dll"},
        {"", "vqtrqorr.dll"},
    };
    for (const auto& [locale, module] : cases)
        EXPECT_EQ(ResourceModuleFor(locale), module) << locale;
    EXPECT_EQ(ResourceModuleFor(nullptr), "vqtrqorr.dll");
}

class ResourceLanguageTest : public MainWindowTest {
protected:
    ResourceLanguageTest() { LeaveModuleState(); }
    // The file the module's texts come from.
    static std::string LoadedResourceModule() {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(g_hQORResModule, path, MAX_PATH);
        const std::string file(path);
        return file.substr(file.find_last_of('\\') + 1);
    }
    static std::string BinFolder() {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        const std::string file(path);
        return file.substr(0, file.find_last_of('\\') + 1);
    }
};

TEST_F(ResourceLanguageTest, ALanguageWithoutItsModuleGetsEnglishAndALogLine) {
    testing_support::ScopedEnvironment german("VQTR_LOCALE", "00000407");
    ASSERT_EQ(Open(kTopicHome), 1);
    EXPECT_EQ(LoadedResourceModule(), "vqtrqorr.dll");
    EXPECT_TRUE(log.Contains("No resource module for the user's language: English stands"));
    EXPECT_TRUE(log.Contains("vqtrqorr_de.dll"));
}

TEST_F(ResourceLanguageTest, TheLanguagesModuleBesideTheModuleIsTheOneLoaded) {
    const std::string german = BinFolder() + "vqtrqorr_de.dll";
    ASSERT_TRUE(::CopyFileA((BinFolder() + "vqtrqorr.dll").c_str(), german.c_str(), FALSE));
    {
        testing_support::ScopedEnvironment locale("VQTR_LOCALE", "00000407");
        ASSERT_EQ(Open(kTopicHome), 1);
        EXPECT_EQ(LoadedResourceModule(), "vqtrqorr_de.dll");
        EntryTerminateNow();
    }
    EXPECT_EQ(g_hQORResModule, nullptr);
    EXPECT_TRUE(::DeleteFileA(german.c_str()));
}
