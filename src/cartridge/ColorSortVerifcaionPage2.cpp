#include "ColorSortVerifcaionPage2.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "resource.h"

HeldJobNeed CColorSortVerifcaionPage2::Need() const {
    return g_pQORTabDlg ? NeedOfHeldJob(g_pQORTabDlg->m_bCartTopicA, g_pQORTabDlg->m_bCartTopicB)
                        : HeldJobNeed::Any;
}

UINT CColorSortVerifcaionPage2::HeadingText() const {
    return Need() == HeldJobNeed::Black ? IDS_CARTV_HELD_HEADING_BLACK
                                        : IDS_CARTV_HELD_HEADING_COLOUR;
}

UINT CColorSortVerifcaionPage2::IntroText() const {
    return IDS_CARTV_HELD_INTRO;
}

void CColorSortVerifcaionPage2::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CCartVerificationSheet* sheet = Sheet();
    if (!main || !sheet)
        return;
    INKINFO& ink = main->m_Records.ink;
    const DWORD chosen = GetChosenCartridge();
    ink.LogCartID1 = chosen;
    const bool declaredNew = SaysNew() && MarkNewCartridge(ink, chosen);
    ink.bCartChanged1 = 0;
    ink.bCartChanged2 = 0;
    CSpy().OutputEach("CColorSortVerifcaionPage2::OnNextbutton()", static_cast<int>(chosen),
                      static_cast<int>(declaredNew));
    main->DoCallback(CBInstallCarts, &ink, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    // What the printer now says is fitted decides, not only the user's choice.
    main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    const HeldJobNeed need = Need();
    if (!MeetsHeldJob(need, ink.LogCartID1)) {
        ShowHeldJobMessage(need);
        return;
    }
    if (declaredNew && !main->RunAlignmentForNewCartridges())
        return;
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    main->DoCallback(CBResumeJob, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    sheet->CloseWizard(false);
}
