// The debug log: one line per entry in the file named by VQTR_SPY_LOG.
#include "CSpy.h"
#include "UtilTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using utiltest::ScopedEnvironment;
using utiltest::TempFile;

namespace {

class DebugLog : public testing::Test {
protected:
    // The lines that one entry writes.
    std::vector<std::string> LinesOf(const std::function<void(const CSpy&)>& write) {
        m_log.Write("");
        write(CSpy());
        return m_log.Lines();
    }

    TempFile m_log{".log"};
    ScopedEnvironment m_logging{"VQTR_SPY_LOG", m_log.Path()};
};

using Lines = std::vector<std::string>;

TEST_F(DebugLog, TextAndNumbersOneLineEach) {
    const CSpy spy;
    spy.OutputData("CQORTabDlg::OnInitDialog()");
    spy.OutputData(CString("m_bPromptNewCart1 set to TRUE (2)"));
    spy.OutputData(static_cast<const char*>(nullptr));
    spy.OutputData("");
    spy.OutputData(-42);
    spy.OutputData(7u);
    spy.OutputData(-3L);
    spy.OutputData(4294967295ul);
    spy.OutputData(TRUE);
    EXPECT_EQ(m_log.Lines(),
              (Lines{"CQORTabDlg::OnInitDialog()", "m_bPromptNewCart1 set to TRUE (2)", "(null)",
                     "", "-42", "7", "-3", "4294967295", "1"}));
}

TEST_F(DebugLog, AnErrorStandsBetweenLinesOfExclamationMarks) {
    const std::string frame(55, '!');
    EXPECT_EQ(LinesOf([](const CSpy& spy) { spy.OutputError("The cartridge id is invalid"); }),
              (Lines{frame, "The cartridge id is invalid", frame}));
}

TEST_F(DebugLog, ByteBuffersInHexadecimal) {
    const BYTE bytes[] = {0x1B, 0x2A, 0x00, 0xFF};
    struct Case {
        const BYTE* data;
        int length;
        const char* line;
    } const cases[] = {
        {bytes, 4, "1B 2A 00 FF"},
        {bytes, 1, "1B"},
        {bytes, 0, ""},
        {nullptr, 4, "(null)"},
        {bytes, -1, "(invalid length -1)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinesOf([&](const CSpy& spy) { spy.OutputData(c.data, c.length); }),
                  Lines{c.line});
}

TEST_F(DebugLog, LongBuffersAreCut) {
    const std::vector<BYTE> bytes(5000, 0xAB);
    const auto lines = LinesOf([&](const CSpy& spy) { spy.OutputData(bytes.data(), 5000); });
    ASSERT_EQ(lines.size(), 1u);
    std::string expected;
    for (int i = 0; i < 4096; ++i)
        expected += i ? " AB" : "AB";
    EXPECT_EQ(lines[0], expected + " ... (5000 bytes)");
}

// A length that runs past the readable memory ends the line where the memory ends.
TEST_F(DebugLog, ALengthBeyondTheBufferDoesNotFault) {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const DWORD page = system.dwPageSize;
    auto* pages = static_cast<BYTE*>(
        VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(pages, nullptr);
    DWORD old = 0;
    ASSERT_TRUE(VirtualProtect(pages + page, page, PAGE_NOACCESS, &old));
    pages[page - 2] = 0x12;
    pages[page - 1] = 0x34;
    const auto lines = LinesOf([&](const CSpy& spy) {
        spy.OutputData(pages + page - 2, 100);
        spy.OutputData(pages + page, 3);
        STATUSERROR error{pages + page - 1, 0x7FFFFFFF};
        spy.OutputData(&error);
        spy.OutputData(reinterpret_cast<const INKINFO*>(pages + page - 8));
    });
    VirtualFree(pages, 0, MEM_RELEASE);
    EXPECT_EQ(lines, (Lines{"12 34 ... (100 bytes)", "... (3 bytes)",
                            "STATUSERROR{lpAlertStatusBytes=[34 ... (2147483647 bytes)], "
                            "dwAlertStatusLength=2147483647}",
                            "INKINFO{unreadable}"}));
}

INKINFO SampleInk() {
    INKINFO ink{};
    DWORD* field = &ink.dwCarrierType;
    for (DWORD i = 0; i < sizeof ink / sizeof(DWORD); ++i)
        field[i] = 100 + i;
    ink.dwCarrierType = QOR_CARRIER_DUAL;
    ink.nBlackLevel = -1;
    ink.LogCartID1 = 80;
    ink.PhyCartID2 = 999;
    return ink;
}

constexpr char kSampleInkLine[] =
    "INKINFO{dwCarrierType=2, nBlackLevel=-1, nColorLevel1=102, nColorLevel2=103, "
    "nColorLevel3=104, nPhotoLevel1=105, nPhotoLevel2=106, nPhotoLevel3=107, dwReserved8=108, "
    "dwReserved9=109, dwReserved10=110, bCartChanged1=111, bCartChanged2=112, LogCartID1=80, "
    "LogCartID2=114, PhyCartID1=115, PhyCartID2=999, dwCarried17=117, dwCarried18=118, "
    "bAlignCart1=119, bAlignCart2=120, dwReserved21=121, dwReserved22=122}";

ALIGNINFO SampleAlign() {
    ALIGNINFO align{};
    for (DWORD i = 0; i < QOR_ALIGN_VALUES; ++i)
        align.dwValue[i] = i * 2;
    return align;
}

constexpr char kSampleAlignLine[] = "ALIGNINFO{dwValue=[0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, "
                                    "22, 24, 26, 28, 30, 32, 34]}";

TEST_F(DebugLog, RecordsOnOneLineWithEveryField) {
    const INKINFO ink = SampleInk();
    const ALIGNINFO align = SampleAlign();
    const PORTINFO port{QOR_PORT_USB, 7, 4000000000u};
    BYTE alert[] = {0x80, 0x01};
    const STATUSERROR error{alert, 2};
    const STATUSERROR noBytes{nullptr, 0};
    const auto lines = LinesOf([&](const CSpy& spy) {
        spy.OutputData(&ink);
        spy.OutputData(&align);
        spy.OutputData(&port);
        spy.OutputData(&error);
        spy.OutputData(&noBytes);
    });
    EXPECT_EQ(lines, (Lines{kSampleInkLine, kSampleAlignLine,
                            "PORTINFO{dwPortType=2, dwPortValue1=7, dwPortValue2=4000000000}",
                            "STATUSERROR{lpAlertStatusBytes=[80 01], dwAlertStatusLength=2}",
                            "STATUSERROR{lpAlertStatusBytes=null, dwAlertStatusLength=0}"}));
}

TEST_F(DebugLog, StatusNestsItsRecordsAndShowsNullPointers) {
    INKINFO ink = SampleInk();
    ALIGNINFO align = SampleAlign();
    BYTE alert[] = {0xC0, 0x0F, 0x02};
    STATUSERROR error{alert, 3};
    const STATUSINFO full{QOR_STATUS_ALERT, &error, 2, 255, &ink, &align};
    const STATUSINFO empty{QOR_STATUS_READY, nullptr, 0, 0, nullptr, nullptr};
    const auto lines = LinesOf([&](const CSpy& spy) {
        spy.OutputData(&full);
        spy.OutputData(&empty);
    });
    EXPECT_EQ(lines, (Lines{std::string("STATUSINFO{dwStatus=9, lpStatusError=STATUSERROR{"
                                        "lpAlertStatusBytes=[C0 0F 02], dwAlertStatusLength=3}, "
                                        "dwMediaTray1=2, dwMediaTray2=255, lpInk=") +
                                kSampleInkLine + ", lpHeadAlign=" + kSampleAlignLine + "}",
                            "STATUSINFO{dwStatus=1, lpStatusError=null, dwMediaTray1=0, "
                            "dwMediaTray2=0, lpInk=null, lpHeadAlign=null}"}));
}

TEST_F(DebugLog, NullRecords) {
    const auto lines = LinesOf([](const CSpy& spy) {
        spy.OutputData(static_cast<const STATUSINFO*>(nullptr));
        spy.OutputData(static_cast<const STATUSERROR*>(nullptr));
        spy.OutputData(static_cast<const INKINFO*>(nullptr));
        spy.OutputData(static_cast<const ALIGNINFO*>(nullptr));
        spy.OutputData(static_cast<const PORTINFO*>(nullptr));
    });
    EXPECT_EQ(lines, (Lines{"STATUSINFO{null}", "STATUSERROR{null}", "INKINFO{null}",
                            "ALIGNINFO{null}", "PORTINFO{null}"}));
}

TEST_F(DebugLog, AppendsToTheFileTheVariableNamesNow) {
    TempFile other(".log");
    m_log.Write("earlier\n");
    const CSpy spy;
    spy.OutputData("first");
    {
        ScopedEnvironment switched("VQTR_SPY_LOG", other.Path());
        spy.OutputData("second");
    }
    {
        ScopedEnvironment unset("VQTR_SPY_LOG", nullptr);
        spy.OutputData("nowhere");
    }
    spy.OutputData("third");
    EXPECT_EQ(m_log.Lines(), (Lines{"earlier", "first", "third"}));
    EXPECT_EQ(other.Lines(), Lines{"second"});
}

} // namespace
