#include "../main/MainWindowFixture.h"
#include "InkTestSupport.h"
#include "PrinterReadyCheck.h"

#include <htmlhelp.h>

namespace {
constexpr DWORD kUsb = QOR_PORT_USB;
constexpr DWORD kNoStatus = QOR_PORT_NO_STATUS;
constexpr UINT kReadyMessage = 0;
} // namespace

TEST(PrinterReadyCheck, RefusesByTheFirstMatchingRowWithItsMessageAndHelpTopic) {
    struct Case {
        DWORD status;
        DWORD port;
        bool powerOffAlert;
        bool ready;
        UINT message;
        DWORD topic;
    };
    const Case cases[] = {
        {2, kUsb, false, false, IDS_READY_BUSY, 986},
        {4, kUsb, false, false, IDS_READY_BUSY, 986},
        {2, kNoStatus, true, false, IDS_READY_BUSY, 986},
        {3, kUsb, false, false, IDS_READY_COVER_OPEN, 990},
        {3, kNoStatus, false, false, IDS_READY_COVER_OPEN, 990},
        {8, kUsb, false, false, IDS_READY_OFFLINE, 989},
        {7, kUsb, false, false, IDS_READY_CARRIAGE, 985},
        {7, kNoStatus, true, false, IDS_READY_CARRIAGE, 985},
        {6, kUsb, true, false, IDS_READY_POWER_OFF, 990},
        {6, kNoStatus, true, false, IDS_READY_POWER_OFF, 990},
        // A printer that is off is ready without the power-off alert, whatever the connection.
        {6, kUsb, false, true, kReadyMessage, 0},
        {6, kNoStatus, false, true, kReadyMessage, 0},
        {10, kUsb, false, false, IDS_READY_ERROR, 990},
        {10, kNoStatus, false, false, IDS_READY_ERROR, 990},
        // The connection without status refuses every other ready state.
        {1, kNoStatus, false, false, IDS_READY_NO_STATUS_PORT, 988},
        {5, kNoStatus, true, false, IDS_READY_NO_STATUS_PORT, 988},
        {9, kNoStatus, false, false, IDS_READY_NO_STATUS_PORT, 988},
        {0, kNoStatus, false, false, IDS_READY_NO_STATUS_PORT, 988},
        {11, kNoStatus, false, false, IDS_READY_NO_STATUS_PORT, 988},
        {1, kUsb, true, true, kReadyMessage, 0},
        {5, kUsb, false, true, kReadyMessage, 0},
        {9, kUsb, false, true, kReadyMessage, 0},
        {0, QOR_PORT_PARALLEL, false, true, kReadyMessage, 0},
        {11, QOR_PORT_NETWORK, false, true, kReadyMessage, 0},
        {1, QOR_PORT_NETWORK_6, false, true, kReadyMessage, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.status << ", connection " << c.port
                                        << ", power-off alert " << c.powerOffAlert);
        ReadyVerdict verdict = CheckPrinterReady(c.status, c.port, c.powerOffAlert);
        EXPECT_EQ(verdict.ready, c.ready);
        EXPECT_EQ(verdict.messageId, c.message);
        EXPECT_EQ(verdict.helpTopic, c.topic);
    }
}

TEST(PrinterReadyCheck, ARefusedSessionIsABusyPrinterOnlyWhileTwoWayCommunicationIsMeantOn) {
    struct Case {
        int answer;
        BOOL bidiNew;
        bool ready;
    };
    const Case cases[] = {{0, TRUE, false}, {0, FALSE, true}, {1, TRUE, true}, {1, FALSE, true}};
    for (const Case& c : cases) {
        ReadyVerdict verdict = CheckOpenSession(c.answer, c.bidiNew);
        EXPECT_EQ(verdict.ready, c.ready) << c.answer << " " << c.bidiNew;
        EXPECT_EQ(verdict.messageId, c.ready ? kReadyMessage : UINT(IDS_READY_BUSY));
        EXPECT_EQ(verdict.helpTopic, c.ready ? 0u : 986u);
    }
}

TEST(PrinterReadyCheck, MaintenanceStartsByTheConnection) {
    struct Case {
        DWORD port;
        BOOL bidi;
        MaintenanceGate gate;
    };
    const Case cases[] = {
        {1, FALSE, MaintenanceGate::kReadyWithoutStatus},
        {2, FALSE, MaintenanceGate::kReadyWithoutStatus},
        {1, TRUE, MaintenanceGate::kAskStatus},
        {2, TRUE, MaintenanceGate::kAskStatus},
        {3, FALSE, MaintenanceGate::kAskStatus},
        {4, FALSE, MaintenanceGate::kAskStatus},
        {10, TRUE, MaintenanceGate::kAskStatus},
        {5, TRUE, MaintenanceGate::kDisabled},
        {6, FALSE, MaintenanceGate::kDisabled},
        {7, TRUE, MaintenanceGate::kDisabled},
        {9, TRUE, MaintenanceGate::kConnectionAlert},
        {9, FALSE, MaintenanceGate::kConnectionAlert},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetMaintenanceGate(c.port, c.bidi), c.gate) << c.port << " " << c.bidi;
}

using PrinterReadyTest = MainWindowTest;

TEST_F(PrinterReadyTest, WithoutTwoWayCommunicationAParallelOrUsbPrinterIsReadyUnasked) {
    for (DWORD port : {QOR_PORT_PARALLEL, QOR_PORT_USB}) {
        host.port.dwPortType = port;
        host.status.dwStatus = QOR_STATUS_BUSY;
        ASSERT_EQ(Open(100), 1);
        Main()->m_bBidi = 0;
        host.requests.clear();
        AlertDriver driver;
        EXPECT_TRUE(Main()->IsPrinterReady());
        EXPECT_TRUE(host.requests.empty());
        EXPECT_TRUE(driver.Alerts().empty());
        EntryTerminateNow();
    }
}

TEST_F(PrinterReadyTest, AsksTheHostForStatusAndJudgesWhatItReports) {
    struct Case {
        DWORD port;
        BOOL bidi;
        DWORD reported;
        bool ready;
    };
    const Case cases[] = {{QOR_PORT_USB, 1, QOR_STATUS_READY, true},
                          {QOR_PORT_USB, 1, QOR_STATUS_BUSY, false},
                          {QOR_PORT_NETWORK, 0, QOR_STATUS_ALERT, true},
                          {QOR_PORT_NO_STATUS, 0, QOR_STATUS_READY, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.port << " " << c.bidi << " " << c.reported);
        host.port.dwPortType = c.port;
        host.status.dwStatus = QOR_STATUS_READY;
        ASSERT_EQ(Open(100), 1);
        Main()->m_bBidi = c.bidi;
        host.requests.clear();
        host.fillOnGetStatus = true;
        host.status.dwStatus = c.reported;
        AlertDriver driver;
        EXPECT_EQ(Main()->IsPrinterReady() != 0, c.ready);
        EXPECT_EQ(host.Codes(), std::vector<int>{CBGetStatus});
        EXPECT_EQ(Main()->m_InfoStruct.dwStatus, c.reported);
        EXPECT_EQ(driver.Alerts().size(), c.ready ? 0u : 1u);
        EXPECT_EQ(Main()->m_pReadyDlg, nullptr);
        EntryTerminateNow();
    }
}

TEST_F(PrinterReadyTest, TheAlertShowsTheMessageUnderTheTitledCaptionAndItsHelpTopic) {
    host.status.dwStatus = QOR_STATUS_7;
    ASSERT_EQ(Open(100), 1);
    Calls().clear();
    AlertDriver driver(true);
    EXPECT_FALSE(Main()->IsPrinterReady());
    ASSERT_EQ(driver.Alerts().size(), 1u);
    EXPECT_EQ(driver.Alerts()[0].caption, "Printer Assistant - " + printer);
    CString message;
    message.LoadString(IDS_READY_CARRIAGE);
    EXPECT_EQ(driver.Alerts()[0].message, std::string(message));
    EXPECT_FALSE(driver.Alerts()[0].message.empty());
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, VQTR_UI_HELP);
    EXPECT_EQ(Calls()[0].number, 985u);
    EXPECT_EQ(Calls()[0].command, static_cast<unsigned>(HH_HELP_CONTEXT));
    EXPECT_EQ(Calls()[0].text, std::string(Main()->GetHelpFilePath()));
}

TEST_F(PrinterReadyTest, NoSecondCheckStartsWhileTheAlertIsUp) {
    ASSERT_EQ(Open(100), 1);
    CPrinterReadyDlg running(*Main());
    Main()->m_pReadyDlg = &running;
    host.requests.clear();
    EXPECT_FALSE(Main()->IsPrinterReady());
    EXPECT_TRUE(host.requests.empty());
    Main()->m_pReadyDlg = nullptr;
}

TEST_F(PrinterReadyTest, TheOpenSessionCheckSendsTheRequestAndReportsARefusalAsBusy) {
    struct Case {
        int answer;
        BOOL bidiNew;
        bool open;
    };
    const Case cases[] = {{1, TRUE, true}, {0, FALSE, true}, {0, TRUE, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.answer << " " << c.bidiNew);
        ASSERT_EQ(Open(100), 1);
        Main()->m_bBidiNew = c.bidiNew;
        host.requests.clear();
        host.answer = [&c](int code, void*) { return code == CBOpenSession ? c.answer : 1; };
        AlertDriver driver;
        CPrinterReadyDlg alert(*Main());
        EXPECT_EQ(alert.CheckOpenSession() != 0, c.open);
        EXPECT_EQ(host.Codes(), std::vector<int>{CBOpenSession});
        if (c.open) {
            EXPECT_TRUE(driver.Alerts().empty());
        } else {
            ASSERT_EQ(driver.Alerts().size(), 1u);
            EXPECT_EQ(alert.GetMessageId(), UINT(IDS_READY_BUSY));
            EXPECT_EQ(alert.GetHelpTopic(), 986u);
        }
        host.answer = nullptr;
        EntryTerminateNow();
    }
}
