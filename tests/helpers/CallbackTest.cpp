// Every request to the host passes DoCallback, which logs it and hands back the host's answer.
#include "HelpersSupport.h"

#include "CSpy.h"

namespace {
// The line the debug log gives a record.
template <class Record> std::string LogLineOf(const TestLog& log, const Record* record) {
    CSpy().OutputData(record);
    return log.Lines().back();
}
} // namespace

class CallbackTest : public MainWindowTest {};

TEST_F(CallbackTest, EveryRequestIsLoggedAsItsCodeSaysAndItsAnswerHandedBack) {
    ASSERT_EQ(Open(100), 1);
    CQORTabDlg* main = Main();
    host.answer = [](int code, void*) { return 100 + code; };
    char jobFile[] = "vqtr_align.out";
    BYTE bytes[14] = {0x1B, 0x2A, 0x72, 0x00, 0x01, 0x02, 0x03,
                      0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xFF};
    ALIGNINFO align{};
    for (int index = 0; index < 18; ++index)
        align.dwValue[index] = static_cast<DWORD>(index * 3);
    INKINFO* ink = main->m_InfoStruct.lpInk;
    const std::string alignLine = LogLineOf(log, &align);
    const std::string inkLine = LogLineOf(log, ink);

    struct Case {
        int code;
        void* payload;
        int arg3;
        std::vector<std::string> lines; // after "QOR DoCallback"
    };
    const Case cases[] = {
        {CBSendFile, jobFile, 0, {"CBSendFile", "2", "vqtr_align.out", "0", "0"}},
        {CBSendBytes,
         bytes,
         14,
         {"CBSendBytes", "3", "1B 2A 72 00 01 02 03 04 05 06 07 08 09 FF", "14", "0"}},
        {CBSendAlignment, &align, 0, {"CBSendAlignment", "4", alignLine, "0", "0"}},
        {CBInstallCarts, ink, 0, {"CBInstallCarts", "5", inkLine, "0", "0"}},
        {CBNotifyQORClosed, nullptr, 0, {"CBNotifyQORClosed"}},
        {CBOpenSession, nullptr, 0, {"CBOpenSession"}},
        {CBCloseSession, nullptr, 0, {"CBCloseSession"}},
        {CBCancelJob, nullptr, 0, {"CBCancelJob"}},
        {CBResumeJob, nullptr, 0, {"CBResumeJob"}},
        {CBResetChangeCount, ink, 0, {"CBResetChangeCount", "11", inkLine, "0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        size_t before = log.Lines().size();
        host.requests.clear();
        EXPECT_EQ(main->DoCallback(c.code, c.payload, c.arg3, 0), 100 + c.code);
        std::vector<std::string> expected{"QOR DoCallback"};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(LinesSince(log, before), expected);
        ASSERT_EQ(host.requests.size(), 1u);
        EXPECT_EQ(host.requests[0].code, c.code);
        EXPECT_EQ(host.requests[0].arg3, c.arg3);
    }
}

TEST_F(CallbackTest, AStatusRequestIsLoggedAgainWithTheFilledRecord) {
    ASSERT_EQ(Open(100), 1);
    CQORTabDlg* main = Main();
    host.status.dwStatus = QOR_STATUS_BUSY;
    host.ink.nBlackLevel = 12;
    size_t before = log.Lines().size();
    EXPECT_EQ(main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0), 1);
    EXPECT_EQ(main->m_InfoStruct.dwStatus, static_cast<DWORD>(QOR_STATUS_BUSY));
    std::vector<std::string> lines = LinesSince(log, before);
    const std::string filled = LogLineOf(log, &main->m_InfoStruct);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"QOR DoCallback", "CBGetStatus", "1", filled, "0", "0"}));
    EXPECT_NE(filled.find("nBlackLevel=12"), std::string::npos);
}

TEST_F(CallbackTest, ARequestWithNoCallbackIsRefusedAndLogged) {
    CQORTabDlg main;
    size_t before = log.Lines().size();
    EXPECT_EQ(main.DoCallback(CBOpenSession, nullptr, 0, 0), 0);
    const std::string frame(42, '!');
    EXPECT_EQ(
        LinesSince(log, before),
        (std::vector<std::string>{"QOR DoCallback", "CBOpenSession", frame,
                                  "QOR DoCallback refused: the host gave no callback", frame}));
    EXPECT_TRUE(host.requests.empty());
}
