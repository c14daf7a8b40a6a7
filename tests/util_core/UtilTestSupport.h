// Temporary files and environment variables for the utility library's tests: each restores what
// it changed when it goes.
#pragma once

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace utiltest {

// Sets an environment variable of the process (nullptr: removes it) and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};

// A file name of its own in the temporary folder; the file is deleted when the object goes.
class TempFile {
public:
    explicit TempFile(const char* suffix = ".tmp");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const char* Path() const { return m_path.c_str(); }
    void Write(const std::string& content) const;
    // The file's lines without their line ends; empty when the file does not exist.
    std::vector<std::string> Lines() const;
    bool Exists() const;
    // Sets the last-write time to a fixed moment plus seconds.
    void SetWriteTime(int seconds) const;

private:
    std::string m_path;
};

} // namespace utiltest
