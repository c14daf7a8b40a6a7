// The ink reorder dialog (window id 12): which cartridges are low, in red, the number for ordering
// by phone, the printer's service tag and the link to the supplies web site.
#pragma once

#include "Dialog.h"
#include "GuiFont.h"
#include "Links.h"
#include "TransStatic.h"
#include "status/LowInkWarning.h"

class CQORTabDlg;

class CInkReorderDlg : public CDialog {
public:
    CInkReorderDlg(CQORTabDlg& main, CWnd* parent);

    LowInkText GetWarning() const { return m_Warning; }

protected:
    BOOL OnInitDialog() override;
    // OK, Close, Escape and the window's close box all store the typed tag and close.
    void OnOK() override { Close(IDOK); }
    void OnCancel() override { Close(IDCANCEL); }
    void OnOrderLink();
    void OnHelpButton();
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);
    DECLARE_MESSAGE_MAP()

private:
    void Close(INT_PTR result);

    CQORTabDlg& m_Main;
    LowInkText m_Warning = LowInkText::None;
    CTransStaticBmp m_Picture;
    CGUIUrlLink m_OrderLink;
    CGUIFont m_TitleFont;
};
