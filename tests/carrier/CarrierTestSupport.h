// Model options and ink records for the carrier and cartridge change tests; their log lines are
// compared with SameLines (TestLog.h).
#pragma once

#include "TestEnvironment.h"
#include "qor.h"

#include <string>

namespace carriertest {

// Cartridge ids by kind.
constexpr DWORD kMissing = QOR_CART_MISSING;
constexpr DWORD kInvalid = QOR_CART_INVALID;
constexpr DWORD kBlack = QOR_CART_BLACK;
constexpr DWORD kColour = QOR_CART_COLOR;
constexpr DWORD kPhoto = QOR_CART_PHOTO;
constexpr DWORD kAltColour = QOR_CART_ALT_COLOR;
constexpr DWORD kUnidentified = QOR_CART_UNIDENTIFIED;

// The options of a test model in a file of its own, named by VQTR_OPTIONS while the object lives.
// A null value leaves the option out of the file.
class ModelOptions {
public:
    ModelOptions(const char* printStyle, const char* printHeadFormat);

    std::string Describe() const;

private:
    testing_support::ScopedOptionsFile m_file;
    std::string m_description;
};

// A record of a two-position carrier with these ids as both the logical and the physical ids,
// no change reported and every ink level at 50.
INKINFO DualInk(DWORD left, DWORD right);
// The same for a one-position carrier; the position 2 fields hold ids that must not matter.
INKINFO SingleInk(DWORD id);

} // namespace carriertest
