#include "CarrierTestSupport.h"

#include <windows.h>

#include <vector>

namespace carriertest {

namespace {
// A section with no keys at all would read as a file without options.
std::vector<std::string> OptionLines(const char* printStyle, const char* printHeadFormat) {
    std::vector<std::string> lines = {"IDO_TEST_MODEL=carrier"};
    if (printStyle)
        lines.push_back(std::string("IDO_PRINTSTYLE=") + printStyle);
    if (printHeadFormat)
        lines.push_back(std::string("IDO_PRINTHEADFORMAT=") + printHeadFormat);
    return lines;
}
} // namespace

ModelOptions::ModelOptions(const char* printStyle, const char* printHeadFormat)
    : m_file(OptionLines(printStyle, printHeadFormat)),
      m_description(std::string("style ") + (printStyle ? printStyle : "none") + ", format " +
                    (printHeadFormat ? printHeadFormat : "none")) {}

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

} // namespace carriertest
