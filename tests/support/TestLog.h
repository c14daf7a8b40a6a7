// The debug log of a test: a fresh file named by VQTR_SPY_LOG, read back as lines, and the
// comparison of log lines with what a test expects, listed side by side when they differ.
#pragma once

#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

// Whole sequences of log lines, with a readable listing of both when they differ.
inline ::testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                            const std::vector<std::string>& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    std::ostringstream text;
    text << "log lines differ\n";
    const size_t count = std::max(actual.size(), expected.size());
    for (size_t index = 0; index < count; ++index) {
        const std::string* got = index < actual.size() ? &actual[index] : nullptr;
        const std::string* want = index < expected.size() ? &expected[index] : nullptr;
        const bool same = got && want && *got == *want;
        text << (same ? "   " : ">> ") << index << "\n";
        text << "   expected: " << (want ? *want : "(none)") << "\n";
        if (!same)
            text << "   actual:   " << (got ? *got : "(none)") << "\n";
    }
    return ::testing::AssertionFailure() << text.str();
}

class TestLog {
public:
    TestLog() { m_file.Write(""); }

    std::vector<std::string> Lines() const { return m_file.Lines(); }
    // Whether the log holds these lines in this order, one right after the other; when it does
    // not, both are listed.
    ::testing::AssertionResult HasSequence(const std::vector<std::string>& sequence) const {
        std::vector<std::string> lines = Lines();
        if (Find(lines, sequence))
            return ::testing::AssertionSuccess();
        std::ostringstream text;
        text << "the log lacks the sequence\n";
        for (const std::string& entry : sequence)
            text << "   expected: " << entry << "\n";
        text << "in its " << lines.size() << " lines\n";
        for (const std::string& line : lines)
            text << "   actual:   " << line << "\n";
        return ::testing::AssertionFailure() << text.str();
    }
    bool Contains(const std::string& entry) const { return Find(Lines(), {entry}); }

private:
    static bool Find(const std::vector<std::string>& lines,
                     const std::vector<std::string>& sequence) {
        for (size_t start = 0; start + sequence.size() <= lines.size(); ++start) {
            bool match = true;
            for (size_t index = 0; index < sequence.size() && match; ++index)
                match = EndsWith(lines[start + index], sequence[index]);
            if (match)
                return true;
        }
        return false;
    }
    // A line may carry a time stamp before its entry.
    static bool EndsWith(const std::string& line, const std::string& entry) {
        return line.size() >= entry.size() &&
               line.compare(line.size() - entry.size(), entry.size(), entry) == 0;
    }
    testing_support::TempFile m_file{".log"};
    testing_support::ScopedEnvironment m_variable{"VQTR_SPY_LOG", m_file.Path()};
};
