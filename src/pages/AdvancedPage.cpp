#include "AdvancedPage.h"

#include "resource.h"

CQORAdvancedPage::CQORAdvancedPage() : CQORPage(IDD_PAGE_ADVANCED) {}
