// The service-tag dialog (window id 13): asks for the printer's service tag, which OK stores with
// the model's registry values; Cancel stores nothing.
#pragma once

#include "CString.h"
#include "Dialog.h"
#include "TransStatic.h"
#include "status/ServiceTag.h"

class CQORTabDlg;

// Stores a typed tag under the model's service-tag value name when it is a tag (not empty, not the
// value name itself, not over-long), unless that tag is stored already. The verdict on the tag.
ServiceTagVerdict StoreServiceTag(CQORTabDlg& main, const char* typed);
// The tag stored for the model; empty when none.
CString StoredServiceTag(CQORTabDlg& main);
// The low-ink dialogs are white sheets, as their pictures are drawn for; edit fields keep their
// own colours. The brush for WM_CTLCOLOR*.
HBRUSH WhiteSheetBrush(HDC dc, UINT ctlColor);

class CServiceTagDlg : public CDialog {
public:
    CServiceTagDlg(CQORTabDlg& main, CWnd* parent);

protected:
    BOOL OnInitDialog() override;
    // OK stores the tag and runs the shutdown check; a refused tag is explained and the dialog
    // stays.
    void OnOK() override;
    HBRUSH OnCtlColor(HDC dc, HWND, UINT ctlColor) { return WhiteSheetBrush(dc, ctlColor); }
    DECLARE_MESSAGE_MAP()

private:
    CQORTabDlg& m_Main;
    CTransStaticBmp m_Picture;
};
