#include "SingleCartVerifcaionPage2.h"

#include "CSpy.h"
#include "InkDisplay.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "resource.h"

UINT CSingleCartVerifcaionPage2::HeadingText() const {
    return IDS_CARTV_SINGLE_HEADING;
}

UINT CSingleCartVerifcaionPage2::IntroText() const {
    return IDS_CARTV_SINGLE_INTRO;
}

void CSingleCartVerifcaionPage2::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CCartVerificationSheet* sheet = Sheet();
    if (!main || !sheet)
        return;
    const DWORD chosen = GetChosenCartridge();
    // The refusal comes before the record is touched: a refused Next leaves it as it was.
    if (main->m_bSkipCartAlign && CGUIInkDisplay::WhatIsIt(chosen) == NOINK) {
        CString text, caption;
        text.LoadString(IDS_CARTV_SINGLE_NO_CARTRIDGE);
        caption.LoadString(IDS_CARTV_TITLE);
        UtilMessageBox(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    INKINFO& ink = main->m_Records.ink;
    ink.LogCartID1 = chosen;
    const bool declaredNew = SaysNew() && MarkNewCartridge(ink, chosen);
    ink.bCartChanged1 = 0;
    ink.bCartChanged2 = 0;
    CSpy().OutputEach("CSingleCartVerifcaionPage2::OnNextbutton()", static_cast<int>(chosen),
                      static_cast<int>(declaredNew));
    main->DoCallback(CBInstallCarts, &ink, 0, 0);
    // The host may close the module while it answers: then nothing of it is touched again.
    if (g_pQORTabDlg != main)
        return;
    if (main->m_bSkipCartAlign) {
        main->DoCallback(CBCloseSession, nullptr, 0, 0);
        if (g_pQORTabDlg == main)
            sheet->CloseWizard(!main->m_bCartTopicA && !main->m_bCartTopicB);
        return;
    }
    // A held job waits for one kind of cartridge: the page stays until it is fitted.
    const HeldJobNeed need = NeedOfHeldJob(main->m_bCartTopicA, main->m_bCartTopicB);
    if (!MeetsHeldJob(need, ink.LogCartID1)) {
        ShowHeldJobMessage(need);
        return;
    }
    FinishFitting(*main, declaredNew, "CSingleCartVerifcaionPage2::OnNextbutton()");
}
