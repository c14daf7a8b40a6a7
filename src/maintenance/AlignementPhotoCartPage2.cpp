#include "AlignementPhotoCartPage2.h"

#include "resource.h"

CAlignementPhotoCartPage2::CAlignementPhotoCartPage2()
    : CAlignValuePage(IDD_ALIGN_PHOTO_VALUES, AlignPage::PhotoValues, IDS_ALIGN_VALUES_TEXT) {}
