#include "AlignementSingleCartPage2.h"

#include "resource.h"

CAlignementSingleCartPage2::CAlignementSingleCartPage2()
    : CAlignValuePage(IDD_ALIGN_SINGLE_VALUES, AlignPage::SingleValues, IDS_ALIGN_VALUES_TEXT) {}
