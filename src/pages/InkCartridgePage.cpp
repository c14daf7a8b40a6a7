#include "InkCartridgePage.h"

#include "resource.h"

CQORInkCartridgePage::CQORInkCartridgePage() : CQORPage(IDD_PAGE_INK_CARTRIDGE) {}
