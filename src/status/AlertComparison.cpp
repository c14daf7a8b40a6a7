#include "AlertComparison.h"

#include "CSpy.h"
#include "resource.h"

#include <iterator>

namespace {
constexpr DWORD kPatternLength = 4;
constexpr BYTE kPatterns[][kPatternLength] = {
    {0x80, 0x01, 0, 0}, // A
    {0x80, 0x02, 0, 0}, // B
    {0x80, 0x03, 0, 0}, // C
    {0x20, 0x02, 0, 0}, // D
    {0x20, 0x51, 0, 0}, // E
    {0x01, 0x02, 0, 0}, // F
};
static_assert(std::size(kPatterns) == static_cast<size_t>(AlertPattern::F) + 1,
              "every pattern has its bytes");
} // namespace

int CompareAlert(AlertPattern pattern, const BYTE* bytes, DWORD count) {
    CSpy spy;
    spy.OutputData("CompareAlert()");
    if (bytes)
        spy.OutputData(bytes, static_cast<int>(count));
    // No bytes would compare as equal to every pattern; more than four have nothing to match.
    if (!bytes || count == 0 || count > kPatternLength)
        return 0;
    const BYTE* expected = kPatterns[static_cast<size_t>(pattern)];
    for (DWORD position = count; position-- > 0;) {
        spy.OutputEach(static_cast<int>(position), static_cast<int>(expected[position]),
                       static_cast<int>(position), static_cast<int>(bytes[position]));
        if (bytes[position] != expected[position])
            return 0;
    }
    return 1;
}

AlertKind ClassifyAlert(const STATUSERROR* alert) {
    if (!alert)
        return AlertKind::None;
    CSpy spy;
    spy.OutputData("lpStatusError->lpAlertStatusBytes---v");
    const DWORD length = alert->lpAlertStatusBytes ? alert->dwAlertStatusLength : 0;
    if (length)
        spy.OutputData(alert->lpAlertStatusBytes, static_cast<int>(length));
    const BYTE* bytes = alert->lpAlertStatusBytes;
    if (CompareAlert(AlertPattern::C, bytes, length))
        return AlertKind::CarriageStall;
    if (CompareAlert(AlertPattern::B, bytes, length))
        return AlertKind::PaperJam;
    if (CompareAlert(AlertPattern::A, bytes, length))
        return AlertKind::OutOfPaper;
    // The cartridge alerts differ in their last byte: it is not compared. An alert of no bytes
    // has none to leave out.
    if (length > 0 && (CompareAlert(AlertPattern::D, bytes, length - 1) ||
                       CompareAlert(AlertPattern::E, bytes, length - 1))) {
        spy.OutputData("here");
        return AlertKind::Cartridge;
    }
    return AlertKind::General;
}

UINT AlertTextOf(AlertKind kind) {
    switch (kind) {
    case AlertKind::None:
        return 0;
    case AlertKind::OutOfPaper:
        return IDS_ALERT_OUT_OF_PAPER;
    case AlertKind::PaperJam:
        return IDS_ALERT_PAPER_JAM;
    case AlertKind::CarriageStall:
        return IDS_ALERT_CARRIAGE_STALL;
    case AlertKind::Cartridge:
        return IDS_ALERT_CARTRIDGE;
    case AlertKind::General:
        return IDS_ALERT_GENERAL;
    }
    return 0;
}
