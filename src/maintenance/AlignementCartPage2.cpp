#include "AlignementCartPage2.h"

#include "resource.h"

CAlignementCartPage2::CAlignementCartPage2()
    : CAlignValuePage(IDD_ALIGN_CART_VALUES, AlignPage::CartValues, IDS_ALIGN_VALUES_TEXT) {}
