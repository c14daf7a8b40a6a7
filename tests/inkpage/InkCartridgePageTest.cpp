#include "../main/MainWindowFixture.h"
#include "InkCartridgePage.h"
#include "InkTestSupport.h"
#include "Links.h"
#include "TransStatic.h"

#include <memory>

namespace {
const std::vector<std::pair<std::string, std::string>> kModel = {
    {"IDO_SPECIFY_CARTRIDGE_INFO", "0"},
    {"IDO_SUPPORT_CLEANROLLERS", "1"},
    {"IDO_SUPPLIES_SUBURL", "supplies/order.html"},
    {"IDO_ORDER_INKCART_BUTTONS_OPTION", "0"},
};

std::vector<std::pair<std::string, std::string>> ModelWith(const std::string& key,
                                                           const std::string& value) {
    std::vector<std::pair<std::string, std::string>> options = kModel;
    for (auto& option : options)
        if (option.first == key)
            option.second = value;
    return options;
}
} // namespace

class InkCartridgePageTest : public MainWindowTest {
protected:
    // Opens the main window on the Ink Cartridge page.
    CQORInkCartridgePage& OpenPage() {
        EXPECT_EQ(Open(103), 1);
        EXPECT_EQ(ActivePage(), kInkPage);
        auto* page =
            dynamic_cast<CQORInkCartridgePage*>(Main()->GetPageSheet()->GetQorPage(kInkPage));
        EXPECT_NE(page, nullptr);
        return *page;
    }
    template <class T> static T* Control(CQORInkCartridgePage& page, UINT id) {
        return dynamic_cast<T*>(
            CWnd::FromHandlePermanent(::GetDlgItem(page, static_cast<int>(id))));
    }
    static bool Visible(CQORInkCartridgePage& page, UINT id) {
        return ::IsWindowVisible(::GetDlgItem(page, static_cast<int>(id))) != FALSE;
    }
    static std::string Text(CQORInkCartridgePage& page, UINT id) {
        return std::string(page.GetDlgItemText(static_cast<int>(id)));
    }
    static std::string String(UINT id) {
        CString text;
        text.LoadString(id);
        return std::string(text);
    }
    static void Press(CQORInkCartridgePage& page, UINT id) {
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(page, static_cast<int>(id))));
    }

    TestOptions options{kModel};
};

TEST_F(InkCartridgePageTest, ShowsBothCartridgesOfATwoCartridgePrinter) {
    host.ink.nColorLevel2 = 8; // the colour cartridge shows at its lowest ink
    CQORInkCartridgePage& page = OpenPage();
    ASSERT_NE(Control<CTransStaticBmp>(page, IDC_INK_PICTURE3), nullptr);
    EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_PICTURE3)->GetBitmapId(),
              UINT(IDB_CART_COLOR));
    EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_PICTURE4)->GetBitmapId(),
              UINT(IDB_CART_BLACK));
    EXPECT_EQ(Text(page, IDC_INK_CARTRIDGE1_NAME), String(IDS_CARTRIDGE_COLOR));
    EXPECT_EQ(Text(page, IDC_INK_CARTRIDGE2_NAME), String(IDS_CARTRIDGE_BLACK));
    EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_CARTRIDGE1_LABEL)->GetBitmapId(),
              UINT(IDB_CART_LABEL_LEFT));
    EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_CARTRIDGE2_LABEL)->GetBitmapId(),
              UINT(IDB_CART_LABEL_RIGHT));
    auto* left = Control<CGUIInkTank>(page, IDC_INK_TANK4);
    auto* right = Control<CGUIInkTank>(page, IDC_INK_TANK3);
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->GetLook(), TankLook::Color);
    EXPECT_EQ(left->GetShownLevel(), 8);
    EXPECT_EQ(right->GetLook(), TankLook::Black);
    EXPECT_EQ(right->GetShownLevel(), 60);
    // A screen reader names each tank by its window text.
    EXPECT_EQ(std::string(left->GetWindowText()), String(IDS_INK_NAME_COLOUR) + ": 8%");
    EXPECT_EQ(std::string(right->GetWindowText()), String(IDS_INK_NAME_BLACK) + ": 60%");
    for (UINT id : {IDC_INK_PICTURE3, IDC_INK_PICTURE4, IDC_INK_CARTRIDGE1_NAME,
                    IDC_INK_CARTRIDGE2_NAME, IDC_INK_TANK4, IDC_INK_TANK3})
        EXPECT_TRUE(Visible(page, id)) << id;
    EXPECT_FALSE(Visible(page, IDC_INK_TANK5));
    EXPECT_FALSE(Visible(page, IDC_INK_TANK6));
    EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_PAGE_PICTURE2)->GetBitmapId(),
              UINT(IDB_HOME_PICTURE2));
}

TEST_F(InkCartridgePageTest, ShowsOnlyTheFirstCartridgeOfAOneCartridgePrinter) {
    host.ink.dwCarrierType = QOR_CARRIER_SINGLE;
    host.ink.LogCartID1 = host.ink.PhyCartID1 = QOR_CART_PHOTO;
    host.ink.nPhotoLevel1 = 30;
    host.ink.nPhotoLevel2 = host.ink.nPhotoLevel3 = 70;
    host.ink.LogCartID2 = 0x77; // never read on this carrier
    CQORInkCartridgePage& page = OpenPage();
    EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_PICTURE3)->GetBitmapId(),
              UINT(IDB_CART_PHOTO));
    EXPECT_EQ(Text(page, IDC_INK_CARTRIDGE1_NAME), String(IDS_CARTRIDGE_PHOTO));
    EXPECT_EQ(Control<CGUIInkTank>(page, IDC_INK_TANK4)->GetLook(), TankLook::Photo);
    EXPECT_EQ(Control<CGUIInkTank>(page, IDC_INK_TANK4)->GetShownLevel(), 30);
    for (UINT id :
         {IDC_INK_PICTURE4, IDC_INK_CARTRIDGE2_NAME, IDC_INK_CARTRIDGE2_LABEL, IDC_INK_TANK3})
        EXPECT_FALSE(Visible(page, id)) << id;
    EXPECT_FALSE(log.Contains("LogCartID2"));
}

TEST_F(InkCartridgePageTest, EmptyInvalidAndUnknownIdsShowTheirPicturesAndAnUnknownIdIsReported) {
    struct Case {
        DWORD left;
        DWORD right;
        UINT leftPicture;
        UINT rightPicture;
        UINT leftName;
        const char* report; // the end of the logged message, or null
    };
    const Case cases[] = {
        {32, 32, IDB_CART_MISSING_LEFT, IDB_CART_MISSING_RIGHT, IDS_CARTRIDGE_NONE, nullptr},
        {16, 48, IDB_CART_INVALID, IDB_CART_BLACK, IDS_CARTRIDGE_UNKNOWN, nullptr},
        {0x99, 64, IDB_CART_INVALID, IDB_CART_BLACK_64, IDS_CARTRIDGE_UNKNOWN, "LogCartID1:  99"},
        {96, 0x1ab, IDB_CART_COLOR_96, IDB_CART_INVALID, IDS_CARTRIDGE_COLOR_96,
         "LogCartID2:  1ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << " " << c.right);
        host.ink.LogCartID1 = host.ink.PhyCartID1 = c.left;
        host.ink.LogCartID2 = host.ink.PhyCartID2 = c.right;
        TestLog caseLog;
        CQORInkCartridgePage& page = OpenPage();
        EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_PICTURE3)->GetBitmapId(), c.leftPicture);
        EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_PICTURE4)->GetBitmapId(), c.rightPicture);
        EXPECT_EQ(Text(page, IDC_INK_CARTRIDGE1_NAME), String(c.leftName));
        bool reported = false;
        for (const std::string& line : caseLog.Lines())
            reported |=
                line.find("The Cartridge ID handed to the QOR is invalid") != std::string::npos;
        EXPECT_EQ(reported, c.report != nullptr);
        if (c.report) {
            EXPECT_TRUE(caseLog.Contains(
                std::string("The Cartridge ID handed to the QOR is invalid for ") + c.report));
        }
        EntryTerminateNow();
    }
}

TEST_F(InkCartridgePageTest, FollowsNewCartridgesAndLevels) {
    CQORInkCartridgePage& page = OpenPage();
    INKINFO ink = Main()->m_Records.ink;
    ink.LogCartID2 = QOR_CART_PHOTO_127;
    ink.nPhotoLevel1 = ink.nPhotoLevel2 = ink.nPhotoLevel3 = 100;
    Main()->m_Records.ink = ink;
    page.UpdateInkLevels(&Main()->m_Records.ink);
    EXPECT_EQ(Control<CTransStaticBmp>(page, IDC_INK_PICTURE4)->GetBitmapId(),
              UINT(IDB_CART_PHOTO_127));
    EXPECT_EQ(Text(page, IDC_INK_CARTRIDGE2_NAME), String(IDS_CARTRIDGE_PHOTO));
    EXPECT_EQ(Control<CGUIInkTank>(page, IDC_INK_TANK3)->GetLook(), TankLook::Photo);
    EXPECT_EQ(Control<CGUIInkTank>(page, IDC_INK_TANK3)->GetShownLevel(), 100);
}

TEST_F(InkCartridgePageTest, MaintenanceLinksFollowTheConnection) {
    struct Case {
        DWORD port;
        BOOL bidi;
        bool disabled;
        std::vector<int> requests; // for one maintenance launch
        bool alert;
        bool mayStart;
    };
    const Case cases[] = {
        {QOR_PORT_PARALLEL, 0, false, {}, false, true},
        {QOR_PORT_USB, 0, false, {}, false, true},
        {QOR_PORT_USB, 1, false, {CBGetStatus, CBOpenSession}, false, true},
        {QOR_PORT_NETWORK, 0, false, {CBGetStatus, CBOpenSession}, false, true},
        {QOR_PORT_10, 1, false, {CBGetStatus, CBOpenSession}, false, true},
        {QOR_PORT_NETWORK_5, 1, true, {}, false, false},
        {QOR_PORT_NETWORK_6, 1, true, {}, false, false},
        {QOR_PORT_NETWORK_7, 1, true, {}, false, false},
        {QOR_PORT_NO_STATUS, 1, false, {}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "connection " << c.port << ", two-way " << c.bidi);
        host.port.dwPortType = c.port;
        CQORInkCartridgePage& page = OpenPage();
        Main()->m_bBidi = c.bidi;
        for (UINT id : {IDC_INK_INSTALL_LINK, IDC_INK_ALIGN_LINK, IDC_INK_CLEAN_LINK,
                        IDC_INK_CLEAN_ROLLERS_LINK})
            EXPECT_EQ(Control<CGUILink>(page, id)->IsDisabledStyle() != FALSE, c.disabled) << id;
        EXPECT_FALSE(Control<CGUILink>(page, IDC_INK_TEST_PAGE_LINK)->IsDisabledStyle());
        for (WindowId slot : {kAlignSheet, kCleanSheet, kCartVerificationSheet}) {
            host.requests.clear();
            AlertDriver driver;
            EXPECT_EQ(page.MayLaunchWizard(slot), c.mayStart) << slot;
            EXPECT_EQ(host.Codes(), c.requests) << slot;
            ASSERT_EQ(driver.Alerts().size(), c.alert ? 1u : 0u) << slot;
            if (c.alert) {
                EXPECT_EQ(driver.Alerts()[0].message, String(IDS_READY_NO_STATUS_PORT));
            }
        }
        EntryTerminateNow();
    }
}

TEST_F(InkCartridgePageTest, TheMaintenanceLinksRunTheChecksThenTheirWizards) {
    CQORInkCartridgePage& page = OpenPage();
    struct Case {
        UINT link;
        UINT title;
        std::vector<int> codes;
    };
    // Each wizard runs modal, in its slot, until its user cancels it.
    const Case cases[] = {
        {IDC_INK_ALIGN_LINK, IDS_ALIGN_TITLE, {CBGetStatus, CBOpenSession, CBCloseSession}},
        {IDC_INK_CLEAN_LINK, IDS_CLEAN_TITLE, {CBGetStatus, CBOpenSession, CBCloseSession}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        AlignmentCanceller canceller(&AlignmentCanceller::PressCancel, c.title);
        host.requests.clear();
        TestLog clickLog;
        Press(page, c.link);
        EXPECT_EQ(host.Codes(), c.codes);
        EXPECT_TRUE(clickLog.Contains("CQORInkCartridgePage::LaunchWizard() the wizard may start"));
        EXPECT_FALSE(Main()->HoldsSubWindows());
    }
    // The status poll runs again after the alignment.
    EXPECT_NE(Main()->GetStatusTimerElapse(), 0u);
}

TEST_F(InkCartridgePageTest, OneWizardPerSlot) {
    CQORInkCartridgePage& page = OpenPage();
    Main()->m_Slots.Set(kAlignSheet, std::make_unique<CWnd>());
    host.requests.clear();
    EXPECT_FALSE(page.MayLaunchWizard(kAlignSheet));
    // The printer was asked first; the open wizard keeps the slot.
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBOpenSession}));
    EXPECT_TRUE(page.MayLaunchWizard(kCleanSheet));
    Main()->m_Slots.Delete(kAlignSheet);
    EXPECT_TRUE(page.MayLaunchWizard(kAlignSheet));
}

TEST_F(InkCartridgePageTest, ABusyPrinterOrARefusedSessionStopsTheWizardWithTheBusyAlert) {
    CQORInkCartridgePage& page = OpenPage();
    Main()->m_bBidiNew = 1;
    host.status.dwStatus = QOR_STATUS_BUSY;
    {
        host.requests.clear();
        AlertDriver driver;
        EXPECT_FALSE(page.MayLaunchWizard(kAlignSheet));
        EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
        ASSERT_EQ(driver.Alerts().size(), 1u);
        EXPECT_EQ(driver.Alerts()[0].message, String(IDS_READY_BUSY));
    }
    host.status.dwStatus = QOR_STATUS_READY;
    host.answer = [](int code, void*) { return code == CBOpenSession ? 0 : 1; };
    {
        host.requests.clear();
        AlertDriver driver;
        EXPECT_FALSE(page.MayLaunchWizard(kAlignSheet));
        EXPECT_EQ(host.Codes(), (std::vector<int>{CBGetStatus, CBOpenSession}));
        ASSERT_EQ(driver.Alerts().size(), 1u);
        EXPECT_EQ(driver.Alerts()[0].message, String(IDS_READY_BUSY));
    }
    host.answer = nullptr;
}

TEST_F(InkCartridgePageTest, AModelThatSpecifiesItsCartridgesOpensNoSession) {
    TestOptions specified(ModelWith("IDO_SPECIFY_CARTRIDGE_INFO", "1"));
    CQORInkCartridgePage& page = OpenPage();
    host.requests.clear();
    EXPECT_TRUE(page.MayLaunchWizard(kAlignSheet));
    EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
}

TEST_F(InkCartridgePageTest, HelpLinksOpenTheirTopicsAndTheWebLinkTheSuppliesAddress) {
    struct Case {
        UINT link;
        int kind;
        unsigned topic;
    };
    const Case cases[] = {{IDC_INK_TEST_PAGE_LINK, VQTR_UI_HELP, 998},
                          {IDC_INK_CARTRIDGE_HELP_LINK, VQTR_UI_HELP, 219},
                          {IDC_PAGE_HELP_OR_ORDER, VQTR_UI_HELP, 218},
                          {IDC_PAGE_WEB_LINK, VQTR_UI_SHELL_OPEN, 0}};
    CQORInkCartridgePage& page = OpenPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        Calls().clear();
        host.requests.clear();
        Press(page, c.link);
        ASSERT_EQ(Calls().size(), 1u);
        EXPECT_EQ(Calls()[0].kind, c.kind);
        if (c.kind == VQTR_UI_HELP) {
            EXPECT_EQ(Calls()[0].number, c.topic);
            EXPECT_EQ(Calls()[0].text, std::string(Main()->GetHelpFilePath()));
        } else {
            EXPECT_NE(Calls()[0].text.find("supplies/order.html"), std::string::npos);
            EXPECT_NE(Calls()[0].text.find("cart1=80"), std::string::npos);
        }
        EXPECT_TRUE(host.requests.empty());
    }
}

TEST_F(InkCartridgePageTest, CleanRollersLinkShowsOnlyOnModelsThatCleanRollers) {
    {
        TestOptions without(ModelWith("IDO_SUPPORT_CLEANROLLERS", "0"));
        CQORInkCartridgePage& page = OpenPage();
        EXPECT_FALSE(Visible(page, IDC_INK_CLEAN_ROLLERS_LINK));
        EntryTerminateNow();
    }
    host.port.dwPortType = QOR_PORT_NO_STATUS;
    CQORInkCartridgePage& page = OpenPage();
    EXPECT_TRUE(Visible(page, IDC_INK_CLEAN_ROLLERS_LINK));
    AlertDriver driver;
    Press(page, IDC_INK_CLEAN_ROLLERS_LINK);
    ASSERT_EQ(driver.Alerts().size(), 1u);
    EXPECT_EQ(driver.Alerts()[0].message, String(IDS_READY_NO_STATUS_PORT));
}

TEST_F(InkCartridgePageTest, ClosingButtonsFollowTheOrderOption) {
    {
        CQORInkCartridgePage& page = OpenPage();
        EXPECT_TRUE(Visible(page, IDC_PAGE_CLOSE));
        EXPECT_FALSE(Visible(page, IDC_PAGE_OK));
        EXPECT_FALSE(Visible(page, IDC_PAGE_CANCEL_OR_HELP));
        EXPECT_TRUE(Visible(page, IDC_PAGE_HELP_OR_ORDER));
        EntryTerminateNow();
    }
    TestOptions order(ModelWith("IDO_ORDER_INKCART_BUTTONS_OPTION", "1"));
    CQORInkCartridgePage& page = OpenPage();
    EXPECT_FALSE(Visible(page, IDC_PAGE_CLOSE));
    EXPECT_TRUE(Visible(page, IDC_PAGE_OK));
    EXPECT_TRUE(Visible(page, IDC_PAGE_CANCEL_OR_HELP));
    EXPECT_EQ(Text(page, IDC_PAGE_OK), String(IDS_HOME_OK));
    EXPECT_EQ(Text(page, IDC_PAGE_CANCEL_OR_HELP), String(IDS_HOME_CANCEL));
    EXPECT_EQ(Text(page, IDC_PAGE_HELP_OR_ORDER), String(IDS_HOME_ORDER));
    Calls().clear();
    Press(page, IDC_PAGE_HELP_OR_ORDER);
    Press(page, IDC_PAGE_CANCEL_OR_HELP);
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[0].kind, VQTR_UI_SHELL_OPEN);
    EXPECT_NE(Calls()[0].text.find("supplies/order.html"), std::string::npos);
    EXPECT_EQ(Calls()[1].kind, VQTR_UI_HELP);
    EXPECT_EQ(Calls()[1].number, 218u);
    // OK closes the window with this option.
    Press(page, IDC_PAGE_OK);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
}
