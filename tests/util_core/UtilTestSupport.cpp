#include "UtilTestSupport.h"

#include "Handles.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace utiltest {

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : m_name(name) {
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer)
        m_previous = std::string(buffer, length);
    SetEnvironmentVariableA(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableA(m_name.c_str(), m_previous ? m_previous->c_str() : nullptr);
}

TempFile::TempFile(const char* suffix) {
    static int counter = 0;
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::ostringstream path;
    path << folder << "vqtr_util_" << GetCurrentProcessId() << "_" << ++counter << suffix;
    m_path = path.str();
    DeleteFileA(m_path.c_str());
}

TempFile::~TempFile() {
    DeleteFileA(m_path.c_str());
}

void TempFile::Write(const std::string& content) const {
    std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
    file << content;
    ASSERT_TRUE(file.good()) << m_path;
}

std::vector<std::string> TempFile::Lines() const {
    std::vector<std::string> lines;
    std::ifstream file(m_path, std::ios::binary);
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

bool TempFile::Exists() const {
    return GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TempFile::SetWriteTime(int seconds) const {
    CHandle file(CreateFileA(m_path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.IsValid()) << m_path;
    ULARGE_INTEGER time;
    time.QuadPart = 133000000000000000ull + seconds * 10000000ull; // a day in 2022
    FILETIME written{time.LowPart, time.HighPart};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
}

} // namespace utiltest
