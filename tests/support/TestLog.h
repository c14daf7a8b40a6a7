// The debug log of a test: a fresh file named by VQTR_SPY_LOG, read back as lines.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

class TestLog {
public:
    TestLog() {
        char folder[MAX_PATH];
        ::GetTempPathA(MAX_PATH, folder);
        char file[MAX_PATH];
        ::GetTempFileNameA(folder, "log", 0, file);
        m_path = file;
        ::SetEnvironmentVariableA("VQTR_SPY_LOG", m_path.c_str());
    }
    ~TestLog() {
        ::SetEnvironmentVariableA("VQTR_SPY_LOG", nullptr);
        ::DeleteFileA(m_path.c_str());
    }
    TestLog(const TestLog&) = delete;
    TestLog& operator=(const TestLog&) = delete;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::ifstream in(m_path);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    // Whether the log holds these lines in this order, one right after the other.
    bool HasSequence(const std::vector<std::string>& sequence) const {
        std::vector<std::string> lines = Lines();
        for (size_t start = 0; start + sequence.size() <= lines.size(); ++start) {
            bool match = true;
            for (size_t index = 0; index < sequence.size() && match; ++index)
                match = EndsWith(lines[start + index], sequence[index]);
            if (match)
                return true;
        }
        return false;
    }
    bool Contains(const std::string& entry) const { return HasSequence({entry}); }

private:
    // A line may carry a time stamp before its entry.
    static bool EndsWith(const std::string& line, const std::string& entry) {
        return line.size() >= entry.size() &&
               line.compare(line.size() - entry.size(), entry.size(), entry) == 0;
    }
    std::string m_path;
};
