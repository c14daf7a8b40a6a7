// The paper and print-quality dialog of topic 308: the paper sensed in each tray and the print
// quality the printer uses for it, with tips on paper. Close (or Enter, Escape, the caption's
// close) ends it; the main object then runs its shutdown check.
#pragma once

#include "Dialog.h"
#include "GuiFont.h"
#include "Palette256.h"
#include "TransStatic.h"

class CQORTabDlg;

class CPaperQualityDlg : public CDialog {
public:
    CPaperQualityDlg(CQORTabDlg& main, CWnd* parent);

protected:
    BOOL OnInitDialog() override;

private:
    void ShowTrays();

    CQORTabDlg& m_Main;
    CPalette256 m_Palette;
    CGUIFont m_HeadingFont;
    CGUIFont m_BoldFont;
    CTransStaticBmp m_Picture;
};
