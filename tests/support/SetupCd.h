// The setup CD in drive S: of the test prefix, a CD-ROM drive as the system sees it (the scripts
// make it; its disc is a folder of the build). A test puts the disc's files and folders on it and
// takes them away again when it goes, so the next test starts with an empty disc.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace testing_support {

class SetupCd {
public:
    static constexpr const char* kRoot = "S:\\";

    SetupCd() {
        EXPECT_EQ(static_cast<UINT>(DRIVE_CDROM), ::GetDriveTypeA(kRoot))
            << "drive S: is not the setup CD drive; run the tests through the project's scripts";
        Clear();
    }
    ~SetupCd() { Clear(); }
    SetupCd(const SetupCd&) = delete;
    SetupCd& operator=(const SetupCd&) = delete;

    // A file at `relativePath` ("APPS\\english\\setup.exe"), with the folders leading to it.
    void AddFile(const std::string& relativePath, const std::string& contents = std::string()) {
        const size_t folderEnd = relativePath.rfind('\\');
        if (folderEnd != std::string::npos)
            AddFolder(relativePath.substr(0, folderEnd));
        HANDLE file = ::CreateFileA(Path(relativePath).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << relativePath;
        DWORD written = 0;
        ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    // A copy of an existing file (a program of the build, say) at `relativePath`.
    void CopyFile(const std::string& source, const std::string& relativePath) {
        const size_t folderEnd = relativePath.rfind('\\');
        if (folderEnd != std::string::npos)
            AddFolder(relativePath.substr(0, folderEnd));
        ASSERT_TRUE(::CopyFileA(source.c_str(), Path(relativePath).c_str(), FALSE)) << source;
    }
    // A folder with its parents.
    void AddFolder(const std::string& relativePath) {
        for (size_t end = relativePath.find('\\');; end = relativePath.find('\\', end + 1)) {
            ::CreateDirectoryA(Path(relativePath.substr(0, end)).c_str(), nullptr);
            if (end == std::string::npos)
                break;
        }
    }
    // Takes the disc's contents away (a CD taken out, or another disc without files).
    void Clear() { RemoveContents(kRoot); }

    static std::string Path(const std::string& relativePath) { return kRoot + relativePath; }

private:
    static void RemoveContents(const std::string& folder) {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveContents(path + "\\");
                ::RemoveDirectoryA(path.c_str());
            } else {
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
};

} // namespace testing_support
