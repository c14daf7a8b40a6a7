#include "TroubleshootingPage.h"

#include "resource.h"

CQORTroubleshootingPage::CQORTroubleshootingPage() : CQORPage(IDD_PAGE_TROUBLESHOOTING) {}
