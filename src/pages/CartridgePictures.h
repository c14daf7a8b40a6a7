// The cartridge pictures and names that every page and wizard shows for a logical cartridge id.
// One table maps an id to its picture; the pages name a cartridge by its family and report an
// id they cannot name.
#pragma once

#include "CString.h"

#include <windows.h>

// The picture (bitmap of the resource module) of a logical cartridge id. Ids the table does not
// know get the empty-position picture; the unidentified cartridge (999) has its own.
UINT CartridgePictureId(DWORD logicalId);

// What a page shows for the cartridge of a carrier position (1 left, 2 right).
struct CartridgeView {
    UINT pictureId;
    UINT nameId;    // string of the resource module
    bool isInvalid; // an id the pages cannot name (16 among them)
};

// Missing cartridges show the empty picture of their position, the known families their table
// picture and family name, every other id the invalid picture and name.
CartridgeView ShownCartridge(DWORD logicalId, int position);

// The report of an id the pages cannot name: "The Cartridge ID handed to the QOR is invalid for
// LogCartID1:  " (LogCartID2 for position 2) and the id in lower-case hexadecimal.
CString InvalidCartridgeIdMessage(DWORD logicalId, int position);

// Reports an id that ShownCartridge calls invalid, except 16 (the printer's own "invalid"): logs
// the message framed by lines of '!' and, where the model option IDO_DEBUGMSG is 1, shows it in a
// message box captioned "ERROR" owned by owner. Returns whether it reported.
bool ReportInvalidCartridgeId(DWORD logicalId, int position, HWND owner);
