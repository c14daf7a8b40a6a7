// A host in a folder of its own, with a DLL named like the resource module planted in its
// current folder and on the path: the module loads only the companion beside itself.
#include "ChildProgram.h"
#include "FakeHost.h"
#include "qor.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string FolderOf(HMODULE module) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(module, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

// Puts folders before the others on PATH for the length of a scope.
class ScopedPathPrefix {
public:
    explicit ScopedPathPrefix(const std::string& folders) {
        char old[32767];
        DWORD length = ::GetEnvironmentVariableA("PATH", old, sizeof old);
        m_old.assign(old, length < sizeof old ? length : 0);
        ::SetEnvironmentVariableA("PATH", (folders + ";" + m_old).c_str());
    }
    ~ScopedPathPrefix() { ::SetEnvironmentVariableA("PATH", m_old.c_str()); }
    ScopedPathPrefix(const ScopedPathPrefix&) = delete;
    ScopedPathPrefix& operator=(const ScopedPathPrefix&) = delete;

private:
    std::string m_old;
};
} // namespace

// Runs only in the copy of this program that stands apart from the module (below).
TEST(HostViewApart, TheResourceModuleComesFromBesideTheModule) {
    HMODULE module = ::GetModuleHandleA("vqtrqor.dll");
    ASSERT_NE(module, nullptr);
    if (FolderOf(module) == child::ProgramFolder())
        GTEST_SKIP() << "the module lies beside this program";
    FakeHost host;
    ASSERT_EQ(QORInit("Planted", 100, &host.status, &host.port, &FakeHost::Callback), 1);
    EXPECT_NE(::FindWindowA(nullptr, "Printer Assistant - Planted"), nullptr);
    HMODULE resources = ::GetModuleHandleA("vqtrqorr.dll");
    ASSERT_NE(resources, nullptr);
    EXPECT_EQ(FolderOf(resources), FolderOf(module));
    EXPECT_EQ(QORTerminateNow(), 1);
}

TEST(HostView, CopiesPlantedInTheCurrentFolderAndOnThePathAreNeverLoaded) {
    std::string moduleFolder = child::MakeFolder("vqtr-planting-module");
    child::CopyDlls(moduleFolder, nullptr);
    // The plant: a DLL that is not the resource module, under its name.
    std::string planted = child::MakeFolder("vqtr-planting-current");
    ASSERT_TRUE(::CopyFileA((child::ProgramFolder() + "\\VQTRG.dll").c_str(),
                            (planted + "\\vqtrqorr.dll").c_str(), FALSE));
    std::string hostFolder = child::MakeFolder("vqtr-planting-host");
    int exitCode = 0;
    {
        // The host finds the module on its path; the plant comes first there too.
        ScopedPathPrefix path(planted + ";" + moduleFolder);
        exitCode = child::RunCopy(hostFolder, "HostViewApart.*", planted);
    }
    EXPECT_EQ(exitCode, 0);
}

// The module's companions are bound from its own folder whatever the host's search order holds:
// plants named like them in the current folder and on the path, and one the host already loaded.
// A plant has no exports, so a module bound to one does not load at all.
TEST(HostView, AFullPathLoadBindsTheCompanionsBesideTheModule) {
    std::string moduleFolder = child::MakeFolder("vqtr-binding-module");
    child::CopyDlls(moduleFolder, nullptr);
    std::string planted = child::MakeFolder("vqtr-binding-planted");
    for (const char* companion : {"VQTRG.dll", "vqtrutil.dll"})
        ASSERT_TRUE(::CopyFileA((child::ProgramFolder() + "\\vqtrqorr.dll").c_str(),
                                (planted + "\\" + companion).c_str(), FALSE));
    std::string probe = child::ProgramFolder() + "\\load_probe.exe";
    std::string module = moduleFolder + "\\vqtrqor.dll";
    ScopedPathPrefix path(planted);
    struct Case {
        const char* what;
        std::string preload;
    };
    for (const Case& host : {Case{"plants in the current folder and on the path", ""},
                             Case{"a plant the host loaded first", planted + "\\VQTRG.dll"}}) {
        std::string command = "\"" + probe + "\" \"" + module + "\"";
        if (!host.preload.empty())
            command += " \"" + host.preload + "\"";
        EXPECT_EQ(child::Run(probe, command, planted), 0) << host.what;
    }
}
