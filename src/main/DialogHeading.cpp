#include "DialogHeading.h"

#include "resource.h"

void SetTitleAndHeading(CWnd& dialog, UINT titleId, UINT headingControl, CGUIFont& headingFont) {
    CString title;
    title.LoadString(titleId);
    dialog.SetWindowText(title);
    dialog.SetDlgItemText(static_cast<int>(headingControl), title);
    headingFont.CreateFromStringId(IDS_POINT_SIZE_HEADING, TRUE);
    ::SendDlgItemMessageA(dialog, static_cast<int>(headingControl), WM_SETFONT,
                          reinterpret_cast<WPARAM>(headingFont.Get()), FALSE);
}
