// What a test changes around its process for its own length: environment variables, files of its
// own, and the options file the module reads. Each restores or removes what it made when it goes.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

#include <shlobj.h>

namespace testing_support {

// Sets an environment variable of the process (nullptr: removes it) and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        char buffer[32768];
        const DWORD length = ::GetEnvironmentVariableA(name, buffer, sizeof buffer);
        if (length > 0 && length < sizeof buffer)
            m_previous = std::string(buffer, length);
        ::SetEnvironmentVariableA(name, value);
    }
    ~ScopedEnvironment() {
        ::SetEnvironmentVariableA(m_name.c_str(), m_previous ? m_previous->c_str() : nullptr);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};

// The phone-number file where the module looks for it, beside the printer driver (its folder is
// made when missing).
inline std::string PhoneNumberFilePath() {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    std::string folder = std::string(system) + "\\spool\\drivers\\x64\\3";
    ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    return folder + "\\vqtrphon.ini";
}

// A file of the test's own, deleted when the object goes.
class TempFile {
public:
    // A name never used before in this process, in the temporary folder: what the module reads
    // is kept per file and read again only when the file's name, time or size changes. There is
    // no file of that name yet.
    explicit TempFile(const char* suffix = ".tmp") {
        static int counter = 0;
        char folder[MAX_PATH] = {};
        ::GetTempPathA(sizeof folder, folder);
        m_path = std::string(folder) + "vqtr_test_" + std::to_string(::GetCurrentProcessId()) +
                 "_" + std::to_string(++counter) + suffix;
        ::DeleteFileA(m_path.c_str());
    }
    // A file where the module looks for it, holding these contents.
    TempFile(std::string path, const std::string& contents) : m_path(std::move(path)) {
        Write(contents);
    }
    ~TempFile() { ::DeleteFileA(m_path.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const char* Path() const { return m_path.c_str(); }
    void Write(const std::string& contents) const {
        std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
        file << contents;
        ASSERT_TRUE(file.good()) << m_path;
    }
    // The file's lines without their line ends; empty when the file does not exist.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::ifstream file(m_path, std::ios::binary);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    bool Exists() const { return ::GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    std::string m_path;
};

// An options file of the test's own, "[Options]" and these lines, named by VQTR_OPTIONS while it
// lives in place of the default model's file.
class ScopedOptionsFile {
public:
    explicit ScopedOptionsFile(const std::vector<std::string>& lines) {
        std::string contents = "[Options]\n";
        for (const std::string& line : lines)
            contents += line + "\n";
        m_file.Write(contents);
    }
    const char* Path() const { return m_file.Path(); }

private:
    TempFile m_file{".ini"};
    ScopedEnvironment m_variable{"VQTR_OPTIONS", m_file.Path()};
};

} // namespace testing_support
