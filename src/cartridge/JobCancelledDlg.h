// The notice that the print job running during a cartridge change was cancelled so that the new
// cartridges could be aligned: two pictures, a bold heading, two texts (the second bold) and one
// drawn button that closes it. Enter and Escape close it too.
#pragma once

#include "Dialog.h"
#include "TransStatic.h"
#include "GuiButton.h"
#include "GuiFont.h"

class CJobCancelledDlg : public CDialog {
public:
    explicit CJobCancelledDlg(CWnd* parent);

protected:
    BOOL OnInitDialog() override;
    void OnCloseButton() { EndDialog(IDOK); }
    DECLARE_MESSAGE_MAP()

private:
    CGUIFont m_HeadingFont;
    CGUIFont m_BoldFont;
    CTransStaticBmp m_Pictures[2];
    CGUIButton m_CloseButton;
};
