// Copies of this test program run as child processes, in folders laid out as a test needs: the
// host's view of where the module and its companions lie.
#pragma once

#include <windows.h>

#include <string>

namespace child {

inline std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

// A new empty folder under the temporary folder.
inline std::string MakeFolder(const char* name) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Copies the DLLs beside this program into a folder, but the one left out.
inline void CopyDlls(const std::string& folder, const char* leftOut) {
    std::string source = ProgramFolder();
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((source + "\\*.dll").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!leftOut || std::string(found.cFileName) != leftOut)
            ::CopyFileA((source + "\\" + found.cFileName).c_str(),
                        (folder + "\\" + found.cFileName).c_str(), FALSE);
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
}

// Runs a program with a command line in `currentFolder`; its exit code, or -1 when it could not
// start.
inline int Run(const std::string& program, std::string command, const std::string& currentFolder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          currentFolder.c_str(), &startup, &process))
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

// Runs a copy of this program from `folder` with the tests of `filter`, in `currentFolder`.
inline int RunCopy(const std::string& folder, const char* filter,
                   const std::string& currentFolder) {
    std::string program = folder + "\\test_module.exe";
    if (!::CopyFileA((ProgramFolder() + "\\test_module.exe").c_str(), program.c_str(), FALSE))
        return -1;
    return Run(program, "\"" + program + "\" --gtest_filter=" + filter + " --gtest_brief=1",
               currentFolder);
}

} // namespace child
