#include "ContactInfoPage.h"

#include "resource.h"

CQORContactInfoPage::CQORContactInfoPage() : CQORPage(IDD_PAGE_CONTACT) {}
