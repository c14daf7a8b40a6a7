// The supplies ordering dialog (window id 2): ordering ink online from the maker, from a reseller,
// and the page of the printer's supplies part numbers.
#pragma once

#include "CString.h"
#include "Dialog.h"
#include "GuiFont.h"
#include "Links.h"
#include "TransStatic.h"

class CQORTabDlg;

// The page of the supplies' part numbers, "vqtrsply.htm" in the module's folder: through the file
// link where the platform follows file links, else through the shell's "open" verb.
void OpenSuppliesNumbersPage(const CString& moduleFolder, HWND owner);

class CSuppliesOrderDlg : public CDialog {
public:
    CSuppliesOrderDlg(CQORTabDlg& main, CWnd* parent);

protected:
    BOOL OnInitDialog() override;
    // Close, Escape and the window's close box all end the dialog and run the shutdown check.
    void OnOK() override { Close(IDOK); }
    void OnCancel() override { Close(IDCANCEL); }
    void OnOrderOnline();
    void OnReseller();
    void OnSuppliesNumbers();
    void OnHelpButton();
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);
    DECLARE_MESSAGE_MAP()

private:
    void Close(INT_PTR result);
    void HideControls(std::initializer_list<UINT> controls);

    CQORTabDlg& m_Main;
    CString m_strModuleFolder;
    CTransStaticBmp m_Picture;
    CGUIUrlLink m_OnlineLink;
    CGUIUrlLink m_ResellerLink;
    CGUIFont m_TitleFont;
};
