#include "StatusLines.h"

#include "resource.h"

#include <cstring>

StatusLineTexts StatusLinesFor(DWORD status) {
    switch (status) {
    case 1:
        return {IDS_STATUS_READY, false};
    case 2:
        return {IDS_STATUS_BUSY, false};
    case 3:
        return {IDS_STATUS_ERROR, false};
    case 4:
    case 5:
        return {IDS_STATUS_ALERT_BUSY, true};
    case 6:
        return {IDS_STATUS_POWER_OFF, false};
    case 7:
        return {IDS_STATUS_CARRIAGE, false};
    case 8:
        return {IDS_STATUS_COVER_OPEN, false};
    case 9:
        return {IDS_STATUS_ALERT, true};
    case 10:
        return {IDS_STATUS_OFFLINE, false};
    default:
        return {IDS_STATUS_GENERAL, false};
    }
}

namespace {
// An alert matches a two-byte pattern when its bytes equal the pattern's over the compared
// count. Patterns are four bytes long (two code bytes, two zeros): a longer count never matches.
bool MatchesPattern(const BYTE* bytes, DWORD count, BYTE first, BYTE second) {
    const BYTE pattern[4] = {first, second, 0, 0};
    return count <= sizeof pattern && std::memcmp(bytes, pattern, count) == 0;
}
} // namespace

UINT AlertTextFor(const STATUSERROR* alert, bool dualPaperTray) {
    if (!alert)
        return 0;
    DWORD length = alert->dwAlertStatusLength;
    const BYTE* bytes = alert->lpAlertStatusBytes;
    // Without any alert byte there is nothing to match: such an alert is a general one.
    if (!bytes || length == 0)
        return IDS_ALERT_GENERAL;
    if (MatchesPattern(bytes, length, 0x80, 0x03))
        return IDS_ALERT_CARRIAGE_STALL;
    if (MatchesPattern(bytes, length, 0x80, 0x02))
        return IDS_ALERT_PAPER_JAM;
    if (MatchesPattern(bytes, length, 0x80, 0x01))
        return dualPaperTray ? IDS_ALERT_TRAY_OUT_OF_PAPER : IDS_ALERT_OUT_OF_PAPER;
    if (MatchesPattern(bytes, length, 0x80, 0x04))
        return IDS_ALERT_DOOR_OPEN;
    if (MatchesPattern(bytes, length - 1, 0x20, 0x02) ||
        MatchesPattern(bytes, length - 1, 0x20, 0x51))
        return IDS_ALERT_CARTRIDGE;
    return IDS_ALERT_GENERAL;
}

MediaLineTexts MediaLinesFor(DWORD tray1, DWORD tray2, bool dualTray) {
    struct Texts {
        DWORD media;
        UINT dualLine1, dualLine2, oneTray;
    };
    static constexpr Texts kTexts[] = {
        {0, IDS_MEDIA_TRAY1_PLAIN, IDS_MEDIA_TRAY2_PLAIN, IDS_MEDIA_PLAIN},
        {1, IDS_MEDIA_TRAY1_COATED, IDS_MEDIA_TRAY2_COATED, IDS_MEDIA_COATED},
        {2, IDS_MEDIA_TRAY1_GLOSSY, IDS_MEDIA_TRAY2_GLOSSY, IDS_MEDIA_GLOSSY},
        {3, IDS_MEDIA_TRAY1_TRANSPARENCY, IDS_MEDIA_TRAY2_TRANSPARENCY, IDS_MEDIA_TRANSPARENCY},
        {4, IDS_MEDIA_TRAY1_IRON_ON, IDS_MEDIA_TRAY2_IRON_ON, IDS_MEDIA_IRON_ON},
        {5, IDS_MEDIA_TRAY1_CARD_STOCK, IDS_MEDIA_TRAY2_CARD_STOCK, IDS_MEDIA_CARD_STOCK},
        {255, IDS_MEDIA_TRAY1_UNKNOWN, IDS_MEDIA_TRAY2_UNKNOWN, IDS_MEDIA_UNKNOWN},
    };
    auto find = [](DWORD media) -> const Texts* {
        for (const Texts& texts : kTexts)
            if (texts.media == media)
                return &texts;
        return nullptr;
    };
    const Texts* first = find(tray1);
    if (!dualTray)
        return {0, first ? first->oneTray : 0, true};
    const Texts* second = find(tray2);
    return {first ? first->dualLine1 : 0, second ? second->dualLine2 : 0, false};
}

MediaLineTexts NoSensingMediaLines(bool dualTray) {
    if (dualTray)
        return {IDS_MEDIA_TRAY1_NOT_SENSED, IDS_MEDIA_TRAY2_NOT_SENSED, false};
    return {0, IDS_MEDIA_NOT_SENSED, true};
}
