#include "InkTanksPage.h"

#include "resource.h"

CQORInkTanksPage::CQORInkTanksPage() : CQORPage(IDD_PAGE_INK_TANKS) {}
