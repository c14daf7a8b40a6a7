// What the Home page's status and paper lines say, decided from the records alone.
#pragma once

#include "qor.h"

#include <windows.h>

// Status line 1 by the printer's state, and whether line 2 shows the alert text.
struct StatusLineTexts {
    UINT line1;
    bool showsAlert;
};
StatusLineTexts StatusLinesFor(DWORD status);

// The alert text of the alert bytes; 0 (no text) without an alert record.
UINT AlertTextFor(const STATUSERROR* alert, bool dualPaperTray);

// The paper lines. A line of 0 is left as it stands; hideLine1 hides media line 1.
struct MediaLineTexts {
    UINT line1;
    UINT line2;
    bool hideLine1;
};
MediaLineTexts MediaLinesFor(DWORD tray1, DWORD tray2, bool dualTray);
MediaLineTexts NoSensingMediaLines(bool dualTray);
