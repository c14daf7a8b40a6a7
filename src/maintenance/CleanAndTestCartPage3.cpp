#include "CleanAndTestCartPage3.h"

#include "resource.h"

CCleanAndTestCartPage3::CCleanAndTestCartPage3()
    : CCleanResultPage(IDD_CLEAN_RESULT_AGAIN, IDS_CLEAN_RESULT_AGAIN_HEADING) {}
