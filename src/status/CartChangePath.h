// The cartridge change path: from the cartridge ids and ink levels the printer reported, which
// questions the cartridge wizard asks (is the cartridge in a position new?), whether the wizard
// runs at all and whether an alignment follows. It also accepts what the printer senses by
// rewriting the ids of the ink record, which the wizard then reads.
#pragma once

#include "NvoProduct.h"
#include "qor.h"

// The main window's flags that the path decides, and the one it reads.
struct CartChangeFlags {
    BOOL m_bPromptNewCart1 = 0;
    BOOL m_bPromptNewCart2 = 0;
    BOOL m_bPromptCartVerify = 0;
    BOOL m_bPromptAlignment = 0;
    BOOL m_bPromptInstallAlignment = 0;
    // Read only: the path runs for the check at installation.
    BOOL m_bPostInstallCheck = 0;
};

// Decides the flags and rewrites the ids of ink. portType is the connection kind; a printer that
// reports no status (kind 9) gets the generic cartridges. Position 2 of a one-position carrier is
// never read or written.
void DetermineCartChangePath(CartChangeFlags& flags, INKINFO& ink, DWORD portType,
                             const NvoProduct& product);
