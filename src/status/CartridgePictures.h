// The cartridge pictures and names that every page and wizard shows for a logical cartridge id.
// One table maps an id to its picture; the pages name a cartridge by its family and report an
// id they do not know.
#pragma once

#include "CString.h"

#include <windows.h>

// The picture (bitmap of the resource module) of a logical cartridge id. Ids the table does not
// list get the empty-position picture; the unidentified cartridge (999) has its own.
UINT CartridgePictureId(DWORD logicalId);

// The ids the pages know: no cartridge (32) and the families they name.
bool IsKnownCartridgeId(DWORD logicalId);

// What a page shows for the cartridge of a carrier position (1 left, 2 right).
struct CartridgeView {
    UINT pictureId;
    UINT nameId; // string of the resource module
};

// An empty position shows the empty picture of its side, a known family its table picture and
// family name, every other id the invalid picture and name.
CartridgeView ShownCartridge(DWORD logicalId, int position);

// "The Cartridge ID handed to the QOR is invalid for LogCartID1:  " (LogCartID2 for position 2)
// followed by the id in lower-case hexadecimal.
CString InvalidCartridgeIdMessage(DWORD logicalId, int position);

// Reports an id the pages do not know: the message framed by lines of '!' in the log and, where
// the model option IDO_DEBUGMSG is 1, first in a message box captioned "ERROR" owned by owner.
void ReportInvalidCartridgeId(DWORD logicalId, int position, HWND owner);
