#include "HomePage.h"

#include "resource.h"

CQORHomePage::CQORHomePage() : CQORPage(IDD_PAGE_HOME) {}
