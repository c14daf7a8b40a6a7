#include "HomePage.h"

#include "status/CartridgePictures.h"
#include "status/SensedCartridges.h"
#include "GuiFont.h"
#include "main/QORTabDlg.h"
#include "resource.h"

namespace {
constexpr COLORREF kKey = RGB(0, 255, 0);
constexpr UINT kTankControls[] = {IDC_INK_TANK6, IDC_INK_TANK3, IDC_INK_TANK4,
                                  IDC_INK_TANK5, IDC_INK_TANK1, IDC_INK_TANK2};
enum Tank { kTank2028, kTank2025, kTank2026, kTank2027, kTank2023, kTank2024 };

const NvoProduct& Options() {
    return g_pQORTabDlg->m_Product;
}
} // namespace

BEGIN_MESSAGE_MAP(CQORHomePage, CQORPage)
ON_COMMAND(IDC_PAGE_WEB_LINK, OnWebLink)
END_MESSAGE_MAP()

CQORHomePage::CQORHomePage() : CQORPage(IDD_PAGE_HOME, OrderButton::OrderDialog) {}

bool CQORHomePage::IsPictureOverride() const {
    return g_pQORTabDlg && Options().CompareSetting("IDO_CARTRIDGE_BITMAP_OVERRIDE", "1");
}

BOOL CQORHomePage::OnInitDialog() {
    CQORPage::OnInitDialog();
    if (!g_pQORTabDlg)
        return TRUE;
    m_InkDisplay.SetInkInfo(&g_pQORTabDlg->m_Records.ink);
    InitTexts();
    InitMediaTexts();
    InitCartridges();
    InitInkTanks();
    return TRUE;
}

void CQORHomePage::InitTexts() {
    m_Title.SetTextId(IDS_HOME_TITLE);
    m_Title.SetAlignment(ALIGN_CENTER);
    m_SubtitleStatus.Init(IDC_HOME_SUBTITLE_STATUS, this);
    m_SubtitleStatus.SetTextId(IDS_HOME_SUBTITLE_STATUS);
    m_SubtitleStatus.SetAlignment(ALIGN_CENTER);
    m_SubtitleCartridges.Init(IDC_HOME_SUBTITLE_CARTRIDGES, this);
    m_SubtitleCartridges.SetTextId(IDS_HOME_SUBTITLE_CARTRIDGES);
    m_SubtitleCartridges.SetAlignment(ALIGN_CENTER);
    for (transbkstatic* status : {&m_StatusText2, &m_StatusText1}) {
        status->Init(status == &m_StatusText1 ? IDC_HOME_STATUS_TEXT1 : IDC_HOME_STATUS_TEXT2,
                     this);
        status->SetTextId(IDS_HOME_STATUS_WAITING);
        status->SetBold(TRUE);
        status->SetAlignment(ALIGN_CENTER);
    }
    m_CartridgeNote.Init(IDC_HOME_CARTRIDGE_NOTE, this);
    m_CartridgeNote.SetTextId(IDS_HOME_CARTRIDGE_NOTE);
    m_CartridgeNote.SetAlignment(ALIGN_CENTER);
    m_Picture6013.Init(IDC_PAGE_PICTURE1, this, static_cast<HBITMAP>(nullptr));
    m_Picture6015.Init(IDC_HOME_PICTURE3, this, IDB_HOME_PICTURE3, kKey, BITMAP_STRETCHED);
    m_Picture6161.Init(IDC_PAGE_PICTURE2, this, IDB_HOME_PICTURE2, kKey, BITMAP_STRETCHED);
    InitWebLink(m_WebCaption, IDS_HOME_WEB_CAPTION, m_WebLink, IDS_HOME_WEB_LINK,
                "IDO_HOMEPAGE_URL_OVERRIDE");
}

void CQORHomePage::InitMediaTexts() {
    m_MediaHeading.Init(IDC_HOME_MEDIA_HEADING, this);
    m_MediaText1.Init(IDC_HOME_MEDIA_TEXT1, this);
    m_MediaText2.Init(IDC_HOME_MEDIA_TEXT2, this);
    if (!Options().CompareSetting("IDO_AUTOMEDIASENSE_AUTOQUALITY", 1)) {
        m_MediaHeading.ShowWindow(SW_HIDE);
        m_MediaText1.ShowWindow(SW_HIDE);
        m_MediaText2.ShowWindow(SW_HIDE);
        return;
    }
    m_MediaHeading.SetAlignment(ALIGN_CENTER);
    m_MediaText2.SetBold(TRUE);
    m_MediaText2.SetAlignment(ALIGN_CENTER);
    if (Options().CompareSetting("IDO_AUTOMEDIASENSEDUALTRAY", 1)) {
        m_MediaHeading.SetTextId(IDS_HOME_MEDIA_HEADING_TRAYS);
        m_MediaText1.SetTextId(IDS_HOME_MEDIA_TRAY1_WAITING);
        m_MediaText1.SetBold(TRUE);
        m_MediaText1.SetAlignment(ALIGN_CENTER);
        m_MediaText2.SetTextId(IDS_HOME_MEDIA_TRAY2_WAITING);
    } else {
        m_MediaHeading.SetTextId(IDS_HOME_MEDIA_HEADING);
        m_MediaText2.SetTextId(IDS_HOME_MEDIA_WAITING);
        m_MediaText1.ShowWindow(SW_HIDE);
        m_MediaText1.Invalidate();
    }
}

void CQORHomePage::InitCartridges() {
    // With print-head format 2 the cartridges change places on screen, not their data.
    bool swapped = Options().CompareSetting("IDO_PRINTHEADFORMAT", 2);
    m_CartridgePictures[0].Init(swapped ? IDC_HOME_CARTRIDGE2_PICTURE : IDC_HOME_CARTRIDGE1_PICTURE,
                                this, static_cast<HBITMAP>(nullptr));
    m_CartridgeNames[0].Init(swapped ? IDC_HOME_CARTRIDGE2_NAME : IDC_HOME_CARTRIDGE1_NAME, this);
    m_CartridgePictures[1].Init(swapped ? IDC_HOME_CARTRIDGE1_PICTURE : IDC_HOME_CARTRIDGE2_PICTURE,
                                this, static_cast<HBITMAP>(nullptr));
    m_CartridgeNames[1].Init(swapped ? IDC_HOME_CARTRIDGE1_NAME : IDC_HOME_CARTRIDGE2_NAME, this);
    m_CartridgeLabels[0].Init(IDC_HOME_CARTRIDGE1_LABEL, this, static_cast<HBITMAP>(nullptr));
    m_CartridgeLabels[1].Init(IDC_HOME_CARTRIDGE2_LABEL, this, static_cast<HBITMAP>(nullptr));

    // A reported change is accepted into the window's own record: other pages see it too.
    INKINFO& ink = g_pQORTabDlg->m_Records.ink;
    AcceptSensedCartridges(ink, OtherPositionRule::PageBuilt, false);

    ShowCartridge(1, ink.LogCartID1);
    m_CartridgeLabels[0].SetBitmap(IDB_CART_LABEL_LEFT, kKey);
    bool headType1 = Options().CompareSetting("IDO_HEADTYPE", 1);
    m_CartridgeNames[0].SetAlignment(ALIGN_CENTER);
    m_bSecondCartridgeShown = ink.dwCarrierType != QOR_CARRIER_SINGLE;
    if (m_bSecondCartridgeShown) {
        ShowCartridge(2, ink.LogCartID2);
        if (!headType1)
            m_CartridgeNames[1].SetAlignment(ALIGN_CENTER);
    }
    m_CartridgeLabels[1].SetBitmap(IDB_CART_LABEL_RIGHT, kKey);
}

void CQORHomePage::ShowCartridge(int position, DWORD logicalId) {
    CartridgeView view = ShownCartridge(logicalId, position);
    m_CartridgePictureIds[position - 1] = view.pictureId;
    m_CartridgePictures[position - 1].SetBitmap(view.pictureId, kKey);
    transbkstatic& name = m_CartridgeNames[position - 1];
    name.SetTextId(view.nameId);
    name.SetBold(TRUE);
    // The printer's own "invalid" (16) is shown as such without a report.
    if (!IsKnownCartridgeId(logicalId) && logicalId != QOR_CART_INVALID)
        ReportInvalidCartridgeId(logicalId, position, g_pQORTabDlg->m_hWnd);
}

void CQORHomePage::InitInkTanks() {
    for (size_t index = 0; index < m_Tanks.size(); ++index)
        m_Tanks[index].Attach(kTankControls[index], this);
    bool pictureOverride = IsPictureOverride();
    if (pictureOverride)
        m_InkDisplay.InitializeInkTanks(
            {&m_Tanks[kTank2024], &m_Tanks[kTank2023], &m_Tanks[kTank2027], &m_Tanks[kTank2028]},
            1);
    else
        m_InkDisplay.InitializeInkTanks(
            {&m_Tanks[kTank2026], &m_Tanks[kTank2025], &m_Tanks[kTank2027], &m_Tanks[kTank2028]},
            1);
    // The tanks that take no part show nothing, not even their frame.
    m_Tanks[pictureOverride ? kTank2025 : kTank2023].ShowWindow(SW_HIDE);
    m_Tanks[pictureOverride ? kTank2026 : kTank2024].ShowWindow(SW_HIDE);
}

void CQORHomePage::SetStatusLine1(UINT textId) {
    if (textId)
        m_StatusText1.SetTextId(textId);
}

void CQORHomePage::SetStatusLine2(UINT textId, bool shown) {
    if (textId)
        m_StatusText2.SetTextId(textId);
    m_bStatusText2Shown = shown;
    ShowControl(m_StatusText2, shown);
}

void CQORHomePage::SetMediaLines(UINT line1, UINT line2, bool hideLine1) {
    if (line1)
        m_MediaText1.SetTextId(line1);
    if (line2)
        m_MediaText2.SetTextId(line2);
    if (hideLine1)
        m_MediaText1.ShowWindow(SW_HIDE);
}

void CQORHomePage::SetCartridgePicture(int position, DWORD logicalId) {
    if (position < 1 || position > 2 || !IsWindow())
        return;
    // Level changes come with every poll: the same picture is not loaded and drawn again.
    UINT picture = CartridgePictureId(logicalId);
    if (m_CartridgePictureIds[position - 1] == picture)
        return;
    m_CartridgePictureIds[position - 1] = picture;
    m_CartridgePictures[position - 1].SetBitmap(picture, kKey);
}

void CQORHomePage::RepaintLine(UINT controlId) {
    CWindow line = GetDlgItem(static_cast<int>(controlId));
    if (!line.IsWindowVisible())
        return;
    line.ShowWindow(SW_HIDE);
    line.ShowWindow(SW_SHOW);
}

void CQORHomePage::UpdateInkLevels(INKINFO* ink) {
    if (IsWindow())
        m_InkDisplay.UpdateInkLevels(ink);
}

BOOL CQORHomePage::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN) {
        // No page switching by keyboard on this page.
        bool control = ::GetKeyState(VK_CONTROL) < 0;
        if (control && (msg->wParam == VK_TAB || msg->wParam == VK_PRIOR || msg->wParam == VK_NEXT))
            return TRUE;
        if (msg->wParam == VK_RETURN)
            msg->wParam = VK_SPACE;
    }
    return CQORPage::PreTranslateMessage(msg);
}

void CQORHomePage::PaintContent(HDC dc) {
    m_Picture6161.Draw(dc);
    m_Picture6015.Draw(dc);
    bool pictureOverride = IsPictureOverride();
    bool headType1 = Options().CompareSetting("IDO_HEADTYPE", 1);
    ShowControl(m_CartridgeNote, !(pictureOverride));
    ShowControl(m_CartridgeNames[0], !(pictureOverride));
    if (!pictureOverride) {
        m_CartridgePictures[0].Draw(dc);
        if (!headType1)
            m_CartridgeLabels[0].Draw(dc);
    }
    bool secondName = m_bSecondCartridgeShown && !pictureOverride;
    ShowControl(m_CartridgeNames[1], secondName);
    if (secondName) {
        m_CartridgePictures[1].Draw(dc);
        if (!headType1)
            m_CartridgeLabels[1].Draw(dc);
    }
    ShowControl(m_CartridgePictures[0], !(pictureOverride));
    ShowControl(m_CartridgeLabels[0], !(pictureOverride || headType1));
    ShowControl(m_CartridgePictures[1], secondName);
    ShowControl(m_CartridgeLabels[1], secondName && !headType1);
    m_WebLink.Draw(dc);
    ShowControl(m_StatusText2, m_bStatusText2Shown);
    m_InkDisplay.DrawTanks(dc);
    UpdateClosingButtons();
    if (Options().CompareSetting("IDO_AUTOMEDIASENSEDUALTRAY", 0))
        ShowControl(m_MediaText1, false);
}

void CQORHomePage::OnWebLink() {
    m_WebLink.FollowLink("IDO_HOMEPAGE_SUBURL", TRUE);
}
