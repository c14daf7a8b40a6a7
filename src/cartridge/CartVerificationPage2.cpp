#include "CartVerificationPage2.h"

#include "CSpy.h"
#include "InkDisplay.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/CartVerification.h"
#include "status/CartridgePictures.h"

namespace {
// Left and right on screen.
constexpr CCartVerificationPage2::PositionControls kScreenSides[2] = {
    {IDC_CARTV2_POSITION1_LABEL, IDC_CARTV2_ATTENTION1_ICON, IDC_CARTV2_ATTENTION1_TEXT,
     IDC_CARTV2_PICTURE1, IDC_CARTV2_TANK1, IDC_CARTV2_CARTRIDGE1, IDC_CARTV2_AGE1},
    {IDC_CARTV2_POSITION2_LABEL, IDC_CARTV2_ATTENTION2_ICON, IDC_CARTV2_ATTENTION2_TEXT,
     IDC_CARTV2_PICTURE2, IDC_CARTV2_TANK2, IDC_CARTV2_CARTRIDGE2, IDC_CARTV2_AGE2},
};
constexpr int kOld = 0;
constexpr int kNew = 1;

UINT TextIdOf(AttentionText text) {
    switch (text) {
    case AttentionText::Unidentified:
        return IDS_CARTV2_UNIDENTIFIED;
    case AttentionText::Changed:
        return IDS_CARTV2_CHANGED;
    case AttentionText::Replace:
        return IDS_CARTV2_REPLACE;
    case AttentionText::Install:
        return IDS_CARTV2_INSTALL;
    default:
        return 0;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CCartVerificationPage2, CCartWizardPage)
ON_CBN_SELCHANGE(IDC_CARTV2_CARTRIDGE1, OnCartridgeChosen1)
ON_CBN_SELCHANGE(IDC_CARTV2_CARTRIDGE2, OnCartridgeChosen2)
END_MESSAGE_MAP()

CCartVerificationPage2::CCartVerificationPage2() : CCartWizardPage(IDD_CARTV_PAGE2) {}

const CCartVerificationPage2::PositionControls&
CCartVerificationPage2::ControlsOf(int position) const {
    int side = position == 1 ? 0 : 1;
    return kScreenSides[m_bSwapped ? 1 - side : side];
}

BOOL CCartVerificationPage2::OnInitDialog() {
    CCartWizardPage::OnInitDialog();
    SetHeading(IDC_CARTV2_HEADING, IDS_CARTV2_HEADING);
    SetText(IDC_CARTV2_INTRO, IDS_CARTV2_INTRO);
    if (g_pQORTabDlg)
        SetUpSides();
    return TRUE;
}

void CCartVerificationPage2::SetUpSides() {
    CQORTabDlg& main = *g_pQORTabDlg;
    const NvoProduct& product = main.m_Product;
    INKINFO& ink = main.m_Records.ink;
    m_bSwapped = product.CompareSetting("IDO_PRINTHEADFORMAT", 2);
    const bool knownFormat = m_bSwapped || product.CompareSetting("IDO_PRINTHEADFORMAT", 1);
    const bool style2 = product.CompareSetting("IDO_PRINTSTYLE", 2);

    const DefaultCartridges defaults = ReadDefaultCartridges(product);
    ProposeSensedCartridges(ink, defaults);
    const INKINFO copy = ink;
    m_Carrier.GetCarrierState(&copy, product);
    const CarrierState state = m_Carrier.m_CarrierState;
    const Attention attention = DecideAttention(ink, state, knownFormat);
    const FirstChoice choice =
        ChooseFirstCartridges(ink, main.m_PortInfo.dwPortType, state, style2, defaults);

    HICON warning = ::LoadIconA(nullptr, IDI_EXCLAMATION);
    for (int position = 1; position <= 2; ++position) {
        const PositionControls& controls = ControlsOf(position);
        SetText(controls.label, position == 1 ? IDS_CARTV2_POSITION1 : IDS_CARTV2_POSITION2);
        const PositionAttention& marks = attention.position[position - 1];
        bool shown = marks.Shown() && !choice.attentionDisabled;
        ::SendDlgItemMessageA(m_hWnd, static_cast<int>(controls.attentionIcon), STM_SETICON,
                              reinterpret_cast<WPARAM>(warning), 0);
        SetText(controls.attentionText, TextIdOf(TextOfAttention(marks, style2)));
        for (UINT control : {controls.attentionIcon, controls.attentionText}) {
            ShowControl(control, shown);
            GetDlgItem(control).EnableWindow(shown);
        }
        m_Tanks[position - 1].Attach(controls.tank, this);
        m_Pictures[position - 1].Init(controls.picture, this, static_cast<HBITMAP>(nullptr));
        FillCartridgeList(GetDlgItem(controls.cartridge), ListOfPosition(position),
                          choice.cartridge[position - 1]);
        ShowChosenCartridge(position);
    }
    InitalizeOldNewComboDefaults(1);
    InitalizeOldNewComboDefaults(2);
}

DWORD CCartVerificationPage2::GetChosenCartridge(int position) const {
    return ChosenCartridgeOf(GetDlgItem(ControlsOf(position).cartridge), ListOfPosition(position),
                             QOR_CART_MISSING);
}

bool CCartVerificationPage2::SaysNew(int position) const {
    HWND age = GetDlgItem(ControlsOf(position).age);
    return ::SendMessageA(age, CB_GETCURSEL, 0, 0) == kNew;
}

void CCartVerificationPage2::ShowChosenCartridge(int position) {
    if (!g_pQORTabDlg)
        return;
    CQORTabDlg& main = *g_pQORTabDlg;
    const DWORD chosen = GetChosenCartridge(position);
    const BOOL promptNew = position == 1 ? main.m_bPromptNewCart1 : main.m_bPromptNewCart2;
    ShowTank(m_Tanks[position - 1], chosen, main.m_Records.ink, promptNew);
    const PositionControls& controls = ControlsOf(position);
    bool override = main.m_Product.CompareSetting("IDO_CARTRIDGE_BITMAP_OVERRIDE", "1");
    ShowControl(controls.picture, !override);
    if (!override)
        m_Pictures[position - 1].SetBitmap(CartridgePictureId(chosen));
}

void CCartVerificationPage2::InitalizeOldNewComboDefaults(int side) {
    if (!g_pQORTabDlg || (side != 1 && side != 2))
        return;
    CQORTabDlg& main = *g_pQORTabDlg;
    const int position = side == 1 ? 2 : 1;
    HWND age = GetDlgItem(ControlsOf(position).age);
    ::SendMessageA(age, CB_RESETCONTENT, 0, 0);
    for (UINT text : {IDS_CARTV2_OLD, IDS_CARTV2_NEW})
        ::SendMessageA(age, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(text).c_str()));
    BOOL& promptNew = position == 1 ? main.m_bPromptNewCart1 : main.m_bPromptNewCart2;
    bool asNew = StartsAsNew(position, GetChosenCartridge(position), main.m_Records.ink,
                             main.m_bPostInstallCheck, m_Carrier.m_CarrierState, promptNew);
    ::SendMessageA(age, CB_SETCURSEL, asNew ? kNew : kOld, 0);
    ShowChosenCartridge(position);
}

void CCartVerificationPage2::ShowMessage(UINT textId, UINT captionId) {
    UtilMessageBox(m_hWnd, LoadText(textId), LoadText(captionId), MB_OK | MB_ICONEXCLAMATION);
}

void CCartVerificationPage2::OnNextbutton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CCartVerificationSheet* sheet = Sheet();
    if (!main || !sheet)
        return;
    const DWORD chosen1 = GetChosenCartridge(1);
    const DWORD chosen2 = GetChosenCartridge(2);
    // The refusals come before the record is touched: a refused Next leaves it as it was.
    const bool style2 = main->m_Product.CompareSetting("IDO_PRINTSTYLE", 2);
    switch (RefuseNext(chosen1, chosen2, style2, main->m_bSkipCartAlign)) {
    case NextRefusal::PhotoWithoutColour:
        ShowMessage(IDS_CARTV2_PHOTO_ALONE, IDS_CARTV2_PHOTO_ALONE_CAPTION);
        return;
    case NextRefusal::NoCartridge:
        ShowMessage(IDS_CARTV2_NO_CARTRIDGE, IDS_CARTV_TITLE);
        return;
    case NextRefusal::None:
        break;
    }
    INKINFO& ink = main->m_Records.ink;
    ink.LogCartID1 = chosen1;
    ink.LogCartID2 = chosen2;
    bool anyNew = false;
    if (SaysNew(1))
        anyNew = MarkNewCartridge(ink, chosen1) || anyNew;
    if (SaysNew(2))
        anyNew = MarkNewCartridge(ink, chosen2) || anyNew;
    ink.bCartChanged1 = 0;
    ink.bCartChanged2 = 0;
    CSpy().OutputData("CCartVerificationPage2::OnNextbutton() (1)");
    main->DoCallback(CBInstallCarts, &ink, 0, 0);
    // The host may close the module while it answers: then nothing of it is touched again.
    if (g_pQORTabDlg != main)
        return;
    FinishFitting(*main, anyNew, "CCartVerificationPage2::OnNextbutton()");
}
