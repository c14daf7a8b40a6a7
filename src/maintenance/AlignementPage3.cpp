#include "AlignementPage3.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CAlignementPage3, CAlignValuePage)
ON_COMMAND(IDC_ALIGN_FINISH, OnNextbutton)
END_MESSAGE_MAP()

CAlignementPage3::CAlignementPage3()
    : CAlignValuePage(IDD_ALIGN_TANK_VALUES2, AlignPage::TankValues2, IDS_ALIGN_TANK_VALUES2_TEXT) {
}
