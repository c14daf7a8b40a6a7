#include "MainWindowFixture.h"

#include "pages/HomePage.h"

namespace {
std::string LoadText(UINT id) {
    CModuleStateScope state(QorModuleState());
    CString text;
    text.LoadString(id);
    return text.str();
}

std::string HomeText(UINT control) {
    HWND home = theCQORTabDlg->GetPageSheet()->GetQorPage(kHomePage)->m_hWnd;
    return CWindow(::GetDlgItem(home, static_cast<int>(control))).GetWindowText().str();
}

bool HomeShows(UINT control) {
    HWND home = theCQORTabDlg->GetPageSheet()->GetQorPage(kHomePage)->m_hWnd;
    return ::IsWindowVisible(::GetDlgItem(home, static_cast<int>(control)));
}
} // namespace

TEST_F(MainWindowTest, AStatusUpdateWritesHomeLine1AndShowsTheAlertOnlyInAlertStates) {
    BYTE jam[] = {0x80, 0x02};
    host.alert = {jam, 2};
    host.status.dwStatus = 1;
    ASSERT_EQ(Open(101), 1);
    EXPECT_EQ(HomeText(IDC_HOME_STATUS_TEXT1), LoadText(IDS_STATUS_READY));
    struct Case {
        DWORD status;
        UINT line1;
        bool alert;
    };
    const Case cases[] = {{2, IDS_STATUS_BUSY, false},
                          {4, IDS_STATUS_ALERT_BUSY, true},
                          {6, IDS_STATUS_POWER_OFF, false},
                          {9, IDS_STATUS_ALERT, true},
                          {77, IDS_STATUS_GENERAL, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        host.status.dwStatus = c.status;
        ASSERT_EQ(EntryUpdateStatus(&host.status), 1);
        EXPECT_EQ(HomeText(IDC_HOME_STATUS_TEXT1), LoadText(c.line1));
        auto* home = static_cast<CQORHomePage*>(Main()->GetPageSheet()->GetQorPage(kHomePage));
        EXPECT_EQ(home->IsStatusLine2Shown(), c.alert);
        if (c.alert) {
            EXPECT_EQ(HomeText(IDC_HOME_STATUS_TEXT2), LoadText(IDS_ALERT_PAPER_JAM));
        }
    }
    // Updates change no page.
    EXPECT_EQ(ActivePage(), 1);
}

TEST_F(MainWindowTest, AConnectionWithoutStatusShowsItsOwnLineWhateverTheState) {
    host.port.dwPortType = QOR_PORT_NO_STATUS;
    host.status.dwStatus = 2;
    ASSERT_EQ(Open(100), 1);
    EXPECT_EQ(HomeText(IDC_HOME_STATUS_TEXT1), LoadText(IDS_STATUS_NO_STATUS_PORT));
    host.status.dwStatus = 9;
    EntryUpdateStatus(&host.status);
    EXPECT_EQ(HomeText(IDC_HOME_STATUS_TEXT1), LoadText(IDS_STATUS_NO_STATUS_PORT));
}

TEST_F(MainWindowTest, ThePaperSensedFollowsTheRecords) {
    host.status.dwMediaTray1 = QOR_MEDIA_GLOSSY;
    ASSERT_EQ(Open(100), 1);
    // The default model senses one tray: its line is media line 2.
    EXPECT_EQ(HomeText(IDC_HOME_MEDIA_TEXT2), LoadText(IDS_MEDIA_GLOSSY));
    EXPECT_FALSE(HomeShows(IDC_HOME_MEDIA_TEXT1));
    host.status.dwMediaTray1 = QOR_MEDIA_CARD_STOCK;
    EntryUpdateStatus(&host.status);
    EXPECT_EQ(HomeText(IDC_HOME_MEDIA_TEXT2), LoadText(IDS_MEDIA_CARD_STOCK));
    // A value no table knows leaves the line as it stands.
    host.status.dwMediaTray1 = 77;
    EntryUpdateStatus(&host.status);
    EXPECT_EQ(HomeText(IDC_HOME_MEDIA_TEXT2), LoadText(IDS_MEDIA_CARD_STOCK));
}

TEST_F(MainWindowTest, AnUnknownCartridgeIdIsReportedAndTheRefreshGoesOn) {
    ASSERT_EQ(Open(100), 1);
    host.ink.LogCartID1 = 0x99;
    host.ink.nBlackLevel = 5;
    host.status.dwStatus = 2;
    EntryUpdateStatus(&host.status);
    EXPECT_TRUE(log.HasSequence(
        {std::string(55, '!'), "The Cartridge ID handed to the QOR is invalid for LogCartID1:  99",
         std::string(55, '!')}));
    EXPECT_EQ(HomeText(IDC_HOME_STATUS_TEXT1), LoadText(IDS_STATUS_BUSY));
    // Only with the debug option does a message box appear.
    EXPECT_TRUE(Calls().empty());
}

TEST_F(MainWindowTest, AChangedCartridgeIsTakenFromWhatThePrinterSenses) {
    ASSERT_EQ(Open(100), 1);
    host.ink.bCartChanged2 = 1;
    host.ink.PhyCartID2 = QOR_CART_PHOTO;
    EntryUpdateStatus(&host.status);
    EXPECT_EQ(Main()->m_InfoStruct.lpInk->LogCartID2, static_cast<DWORD>(QOR_CART_PHOTO));
    // A colour cartridge sensed in the black position counts as invalid.
    host.ink.PhyCartID2 = QOR_CART_COLOR;
    EntryUpdateStatus(&host.status);
    EXPECT_EQ(Main()->m_InfoStruct.lpInk->LogCartID2, static_cast<DWORD>(QOR_CART_INVALID));
    // The host's own record is left as the host wrote it.
    EXPECT_EQ(host.ink.LogCartID2, static_cast<DWORD>(QOR_CART_BLACK));
}
