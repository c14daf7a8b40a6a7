#include "CarrierTestSupport.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace carriertest {

ModelOptions::ModelOptions(const char* printStyle, const char* printHeadFormat) {
    // A name never used before in this process: the options are kept parsed per file and read
    // again only when the file's name, time or size changes.
    static int counter = 0;
    char folder[MAX_PATH];
    ::GetTempPathA(sizeof folder, folder);
    std::ostringstream path;
    path << folder << "vqtr_carrier_" << ::GetCurrentProcessId() << "_" << ++counter << ".ini";
    m_path = path.str();

    std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
    // A section with no keys at all would read as a file without options.
    file << "[Options]\nIDO_TEST_MODEL=carrier\n";
    if (printStyle)
        file << "IDO_PRINTSTYLE=" << printStyle << "\n";
    if (printHeadFormat)
        file << "IDO_PRINTHEADFORMAT=" << printHeadFormat << "\n";
    m_description = std::string("style ") + (printStyle ? printStyle : "none") + ", format " +
                    (printHeadFormat ? printHeadFormat : "none");
    Use();
}

ModelOptions::~ModelOptions() {
    char current[MAX_PATH] = "";
    ::GetEnvironmentVariableA("VQTR_OPTIONS", current, sizeof current);
    if (m_path == current)
        ::SetEnvironmentVariableA("VQTR_OPTIONS", nullptr);
    ::DeleteFileA(m_path.c_str());
}

void ModelOptions::Use() const {
    ::SetEnvironmentVariableA("VQTR_OPTIONS", m_path.c_str());
}

std::string ModelOptions::Describe() const {
    return m_description;
}

INKINFO DualInk(DWORD left, DWORD right) {
    INKINFO ink{};
    ink.dwCarrierType = QOR_CARRIER_DUAL;
    ink.nBlackLevel = ink.nColorLevel1 = ink.nColorLevel2 = ink.nColorLevel3 = 50;
    ink.nPhotoLevel1 = ink.nPhotoLevel2 = ink.nPhotoLevel3 = 50;
    ink.LogCartID1 = ink.PhyCartID1 = left;
    ink.LogCartID2 = ink.PhyCartID2 = right;
    return ink;
}

INKINFO SingleInk(DWORD id) {
    INKINFO ink = DualInk(id, kInvalid);
    ink.dwCarrierType = QOR_CARRIER_SINGLE;
    ink.bCartChanged2 = 1;
    return ink;
}

::testing::AssertionResult SameLines(const std::vector<std::string>& actual,
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

} // namespace carriertest
