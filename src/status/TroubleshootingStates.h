// What the Troubleshooting page says for the printer's state, decided from the records alone: the
// bold state text, the texts of its up to three solution links, and the help topic behind each.
#pragma once

#include "AlertComparison.h"

#include <windows.h>

#include <array>

// The alert's help class and sub-topic, which the first two solution links open for an alert.
// Both are 0 until an alert has been classified; an absent alert leaves them as they were.
struct AlertTopics {
    DWORD alertClass = 0;
    DWORD subTopic = 0;
};

struct TroubleshootingView {
    UINT stateText;
    // The texts of links 1 to 3; 0 hides a link.
    std::array<UINT, 3> links;
};

// The view for a state; alert: the classified alert bytes (read only in states 4 and 9).
// topics: updated where the alert decides the links.
TroubleshootingView ViewOfState(DWORD status, DWORD portType, AlertKind alert, bool aioFamily,
                                AlertTopics& topics);

// The help topic a solution link (1 to 3) opens; 0 opens nothing.
DWORD SolutionTopic(int link, DWORD status, DWORD portType, const AlertTopics& topics);
