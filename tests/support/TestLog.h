// The debug log of a test: a fresh file named by VQTR_SPY_LOG, read back as lines.
#pragma once

#include "TestEnvironment.h"

#include <string>
#include <vector>

class TestLog {
public:
    TestLog() { m_file.Write(""); }

    std::vector<std::string> Lines() const { return m_file.Lines(); }
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
    testing_support::TempFile m_file{".log"};
    testing_support::ScopedEnvironment m_variable{"VQTR_SPY_LOG", m_file.Path()};
};
