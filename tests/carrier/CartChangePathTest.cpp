// The cartridge change path: each row of the per-position decision, the wrong-position, no-status
// and one-cartridge-style rules, the ink-level rule and the whole log of a run.
#include "CarrierTestSupport.h"
#include "TestLog.h"
#include "main/QORTabDlg.h"
#include "status/CartChangePath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace carriertest;

namespace {

std::string Line(const std::string& text) {
    return "*****CartChangePathDetermination() " + text;
}

std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> groups) {
    std::vector<std::string> lines;
    for (const std::vector<std::string>& group : groups) {
        for (const std::string& text : group)
            lines.push_back(Line(text));
    }
    return lines;
}

const std::vector<std::string> kDefaults = {"default m_bPromptInstallAlignment to FALSE",
                                            "default m_bPromptNewCart2 to FALSE",
                                            "default m_bPromptNewCart1 to FALSE"};

std::vector<std::string> Combined(bool align) {
    return {"m_bPromptAlignment set to (below)", align ? "1" : "0"};
}

struct Outcome {
    CartChangeFlags flags;
    INKINFO ink;
    std::vector<std::string> lines;
};

Outcome RunPath(INKINFO ink, DWORD port = QOR_PORT_USB, BOOL postInstallCheck = FALSE) {
    TestLog log;
    CartChangeFlags flags;
    // Whatever the flags held before, the run decides them afresh.
    flags.m_bPromptNewCart1 = flags.m_bPromptNewCart2 = TRUE;
    flags.m_bPromptCartVerify = flags.m_bPromptAlignment = TRUE;
    flags.m_bPromptInstallAlignment = TRUE;
    flags.m_bPostInstallCheck = postInstallCheck;
    DetermineCartChangePath(flags, ink, port, NvoProduct());
    return {flags, ink, log.Lines()};
}

// One row of the per-position decision, written for position 1; position 2 is the same with the
// black ids and its own flag names.
struct RowCase {
    const char* row;
    DWORD changed, physical, logical;
    BOOL postInstallCheck;
    std::vector<std::string> lines;
    bool align, promptNew, install;
    DWORD physicalAfter, logicalAfter;
};

const RowCase kRowCases[] = {
    {"1", 1, 80, 80, 0, {"m_bPromptAlignmentCart1 set to FALSE (1)"}, false, false, false, 80, 80},
    {"1 at installation",
     1,
     80,
     80,
     1,
     {"m_bPromptAlignmentCart1 set to FALSE (1)"},
     false,
     false,
     false,
     80,
     80},
    {"2",
     1,
     85,
     80,
     1,
     {"m_bPromptAlignmentCart1 set to TRUE (2)", "m_bPromptNewCart1 set to TRUE (1)"},
     true,
     true,
     false,
     85,
     85},
    {"2 only at installation", 1, 85, 80, 0, {}, false, false, false, 85, 80},
    {"3", 1, 32, 80, 0, {"m_bPromptAlignmentCart1 set to TRUE (3)"}, true, false, true, 32, 32},
    {"3 for no id",
     1,
     0,
     85,
     1,
     {"m_bPromptAlignmentCart1 set to TRUE (3)"},
     true,
     false,
     true,
     32,
     32},
    {"4",
     1,
     16,
     16,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (4)", "m_bPromptNewCart1 set to TRUE (2)"},
     true,
     true,
     true,
     16,
     16},
    {"4 unidentified",
     1,
     999,
     999,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (4)", "m_bPromptNewCart1 set to TRUE (2)"},
     true,
     true,
     true,
     999,
     999},
    {"generic id", 1, 16, 80, 0, {}, false, false, false, 80, 80},
    {"generic id for unidentified", 1, 999, 85, 0, {}, false, false, false, 80, 80},
    {"5", 0, 80, 80, 0, {"m_bPromptAlignmentCart1 set to FALSE (5)"}, false, false, false, 80, 80},
    {"6",
     0,
     85,
     16,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (6)", "m_bPromptNewCart1 set to TRUE (3)"},
     true,
     true,
     false,
     85,
     85},
    {"6 from missing",
     0,
     85,
     32,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (6)", "m_bPromptNewCart1 set to TRUE (3)"},
     true,
     true,
     false,
     85,
     85},
    {"6 from no id",
     0,
     80,
     0,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (6)", "m_bPromptNewCart1 set to TRUE (3)"},
     true,
     true,
     false,
     80,
     80},
    {"valid logical id kept", 0, 85, 80, 1, {}, false, false, false, 85, 80},
    {"7", 0, 32, 80, 0, {"m_bPromptAlignmentCart1 set to TRUE (7)"}, true, false, true, 32, 32},
    {"7 for no id",
     0,
     0,
     16,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (7)"},
     true,
     false,
     true,
     32,
     32},
    {"8",
     0,
     16,
     16,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (8)", "m_bPromptNewCart1 set to TRUE (4)"},
     true,
     true,
     true,
     16,
     16},
    {"9", 0, 16, 80, 0, {"m_bPromptAlignmentCart1 set to TRUE (9)"}, true, false, true, 16, 80},
    {"9 unidentified",
     0,
     999,
     16,
     0,
     {"m_bPromptAlignmentCart1 set to TRUE (9)"},
     true,
     false,
     true,
     999,
     16},
};

DWORD BlackTwin(DWORD id) {
    return id == 80 ? 48 : id == 85 ? 53 : id;
}

std::vector<std::string> ForPosition2(std::vector<std::string> lines) {
    for (std::string& line : lines) {
        for (size_t at; (at = line.find("Cart1")) != std::string::npos;)
            line[at + 4] = '2';
    }
    return lines;
}

class CartChangePath : public ::testing::Test {
protected:
    // Style 1 and no print-head format: only the per-position tables, the no-status rule and the
    // plain combining step act.
    ModelOptions m_options{"1", nullptr};
};

} // namespace

TEST_F(CartChangePath, EachRowOfPosition1) {
    for (const RowCase& c : kRowCases) {
        INKINFO ink = DualInk(0, kBlack);
        ink.bCartChanged1 = c.changed;
        ink.PhyCartID1 = c.physical;
        ink.LogCartID1 = c.logical;
        const Outcome out = RunPath(ink, QOR_PORT_USB, c.postInstallCheck);
        EXPECT_TRUE(SameLines(out.lines, Lines({kDefaults,
                                                c.lines,
                                                {"m_bPromptAlignmentCart2 set to FALSE (5)"},
                                                Combined(c.align)})))
            << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptAlignment, c.align) << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptNewCart1, c.promptNew) << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptNewCart2, FALSE) << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptCartVerify, c.install) << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptInstallAlignment, FALSE) << "row " << c.row;
        EXPECT_EQ(out.ink.PhyCartID1, c.physicalAfter) << "row " << c.row;
        EXPECT_EQ(out.ink.LogCartID1, c.logicalAfter) << "row " << c.row;
        EXPECT_EQ(out.ink.PhyCartID2, kBlack) << "row " << c.row;
        EXPECT_EQ(out.ink.LogCartID2, kBlack) << "row " << c.row;
    }
}

TEST_F(CartChangePath, EachRowOfPosition2) {
    for (const RowCase& c : kRowCases) {
        INKINFO ink = DualInk(kColour, 0);
        ink.bCartChanged2 = c.changed;
        ink.PhyCartID2 = BlackTwin(c.physical);
        ink.LogCartID2 = BlackTwin(c.logical);
        const Outcome out = RunPath(ink, QOR_PORT_USB, c.postInstallCheck);
        EXPECT_TRUE(SameLines(out.lines, Lines({kDefaults,
                                                {"m_bPromptAlignmentCart1 set to FALSE (5)"},
                                                ForPosition2(c.lines),
                                                Combined(c.align)})))
            << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptAlignment, c.align) << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptNewCart2, c.promptNew) << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptNewCart1, FALSE) << "row " << c.row;
        EXPECT_EQ(out.flags.m_bPromptCartVerify, c.install) << "row " << c.row;
        EXPECT_EQ(out.ink.PhyCartID2, BlackTwin(c.physicalAfter)) << "row " << c.row;
        EXPECT_EQ(out.ink.LogCartID2, BlackTwin(c.logicalAfter)) << "row " << c.row;
        EXPECT_EQ(out.ink.PhyCartID1, kColour) << "row " << c.row;
        EXPECT_EQ(out.ink.LogCartID1, kColour) << "row " << c.row;
    }
}

TEST_F(CartChangePath, WrongPositionsNeedRefittingAndAlignment) {
    struct Case {
        const char* format;
        const char* style;
        DWORD left, right;
        std::vector<std::string> wrongLines;
        bool refit;
    } const cases[] = {
        {"1",
         nullptr,
         kBlack,
         kColour,
         {"m_bPromptAlignmentCart1 set to TRUE (10)", "m_bPromptAlignmentCart2 set to TRUE (10)"},
         true},
        {"2",
         "3",
         kBlack,
         kColour,
         {"m_bPromptAlignmentCart1 set to TRUE (11)", "m_bPromptAlignmentCart2 set to TRUE (11)"},
         true},
        {"1", "0", kPhoto, kBlack, {"m_bPromptAlignmentCart1 set to TRUE (10)"}, true},
        {"2", nullptr, kColour, kColour, {"m_bPromptAlignmentCart2 set to TRUE (11)"}, true},
        // Only a three-colour cartridge is out of place in position 2.
        {"1", nullptr, kColour, kAltColour, {}, false},
        {"1", nullptr, kColour, kPhoto, {}, false},
        // Not for the printing styles 1 and 2, nor for another format.
        {"1", "1", kBlack, kColour, {}, false},
        {"3", nullptr, kBlack, kColour, {}, false},
    };
    for (const Case& c : cases) {
        ModelOptions options(c.style, c.format);
        const Outcome out = RunPath(DualInk(c.left, c.right));
        std::vector<std::string> levels;
        if (!std::strcmp(c.format, "1") || !std::strcmp(c.format, "2")) {
            const char* notLow = !std::strcmp(c.format, "1") ? " (6)" : " (8)";
            levels = {std::string("m_bPromptNewCart2 set to FALSE") + notLow,
                      std::string("m_bPromptNewCart1 set to FALSE") + notLow};
        }
        EXPECT_TRUE(SameLines(out.lines, Lines({kDefaults,
                                                {"m_bPromptAlignmentCart1 set to FALSE (5)",
                                                 "m_bPromptAlignmentCart2 set to FALSE (5)"},
                                                c.wrongLines,
                                                Combined(c.refit),
                                                levels})))
            << options.Describe() << ", ids " << c.left << ", " << c.right;
        EXPECT_EQ(out.flags.m_bPromptCartVerify, c.refit) << options.Describe();
        EXPECT_EQ(out.flags.m_bPromptAlignment, c.refit) << options.Describe();
    }
}

TEST_F(CartChangePath, PrinterWithoutStatusGetsTheGenericCartridges) {
    struct Case {
        const char* style;
        DWORD type;
        DWORD left, right;
        DWORD leftAfter, rightAfter;
        bool verify;
    } const cases[] = {
        {"1", QOR_CARRIER_DUAL, kPhoto, kPhoto, kColour, kPhoto, true},
        {"3", QOR_CARRIER_DUAL, kPhoto, kPhoto, kColour, kBlack, true},
        {nullptr, QOR_CARRIER_DUAL, kMissing, kMissing, kColour, kBlack, true},
        // Under the one-cartridge style both positions need it, and both are given it.
        {"2", QOR_CARRIER_DUAL, QOR_CART_COLOR_96, QOR_CART_BLACK_64, kColour, kBlack, true},
    };
    for (const Case& c : cases) {
        ModelOptions options(c.style, nullptr);
        INKINFO ink = DualInk(c.left, c.right);
        ink.dwCarrierType = c.type;
        const Outcome out = RunPath(ink, QOR_PORT_NO_STATUS);
        EXPECT_EQ(out.ink.PhyCartID1, c.leftAfter) << options.Describe();
        EXPECT_EQ(out.ink.LogCartID1, c.leftAfter) << options.Describe();
        EXPECT_EQ(out.ink.PhyCartID2, c.rightAfter) << options.Describe();
        EXPECT_EQ(out.ink.LogCartID2, c.rightAfter) << options.Describe();
        EXPECT_EQ(out.flags.m_bPromptCartVerify, c.verify) << options.Describe();
    }
}

TEST_F(CartChangePath, OneCartridgeStyleNeedsBothPositions) {
    ModelOptions options("2", nullptr);
    struct Case {
        const char* why;
        DWORD changed1, phy1, log1, phy2, log2;
        bool verify, align;
        DWORD phy1After, log1After, phy2After, log2After;
    } const cases[] = {
        {"one position missing is not enough", 0, kMissing, kColour, kBlack, kBlack, false, false,
         kMissing, kMissing, kBlack, kBlack},
        {"both missing", 0, kMissing, kColour, kMissing, kBlack, true, true, kMissing, kMissing,
         kMissing, kMissing},
        {"an invalid cartridge alone becomes missing", 0, kInvalid, kInvalid, kBlack, kBlack, false,
         false, kMissing, kMissing, kBlack, kBlack},
        {"an invalid cartridge beside an accepted one becomes missing", 0, kUnidentified, kColour,
         QOR_CART_BLACK_53, kInvalid, false, true, kMissing, kMissing, QOR_CART_BLACK_53,
         QOR_CART_BLACK_53},
        {"both invalid stay when both need a cartridge", 0, kInvalid, kInvalid, kInvalid, kInvalid,
         true, true, kInvalid, kInvalid, kInvalid, kInvalid},
        {"a photo cartridge alone asks for the colour one", 0, kMissing, kColour, kPhoto, kPhoto,
         true, false, kMissing, kMissing, kPhoto, kPhoto},
        {"a photo cartridge beside a colour one asks nothing", 0, kColour, kColour, kPhoto, kPhoto,
         false, false, kColour, kColour, kPhoto, kPhoto},
    };
    for (const Case& c : cases) {
        INKINFO ink = DualInk(0, 0);
        ink.bCartChanged1 = c.changed1;
        ink.PhyCartID1 = c.phy1;
        ink.LogCartID1 = c.log1;
        ink.PhyCartID2 = c.phy2;
        ink.LogCartID2 = c.log2;
        const Outcome out = RunPath(ink);
        EXPECT_EQ(out.flags.m_bPromptCartVerify, c.verify) << c.why;
        EXPECT_EQ(out.flags.m_bPromptAlignment, c.align) << c.why;
        EXPECT_EQ(out.ink.PhyCartID1, c.phy1After) << c.why;
        EXPECT_EQ(out.ink.LogCartID1, c.log1After) << c.why;
        EXPECT_EQ(out.ink.PhyCartID2, c.phy2After) << c.why;
        EXPECT_EQ(out.ink.LogCartID2, c.log2After) << c.why;
        // The one-cartridge style logs no combining lines.
        EXPECT_EQ(std::count(out.lines.begin(), out.lines.end(),
                             Line("m_bPromptAlignment set to (below)")),
                  0)
            << c.why;
    }
}

TEST_F(CartChangePath, OneCartridgeStyleWithAFormatTakesWrongPositions) {
    struct Case {
        const char* format;
        DWORD left, right;
        bool both;
    } const cases[] = {
        {"1", kBlack, kBlack, true},   {"2", kPhoto, kBlack, true},   {"1", kColour, kColour, true},
        {"2", kColour, kBlack, false}, {"3", kBlack, kColour, false},
    };
    for (const Case& c : cases) {
        ModelOptions options("2", c.format);
        const Outcome out = RunPath(DualInk(c.left, c.right));
        EXPECT_EQ(out.flags.m_bPromptCartVerify, c.both) << options.Describe() << " " << c.left;
        EXPECT_EQ(out.flags.m_bPromptAlignment, c.both) << options.Describe() << " " << c.left;
    }
}

TEST_F(CartChangePath, InkLevelsDecideTheNewCartridgeQuestionsLast) {
    struct Case {
        const char* format;
        LONG black, colour1, colour2, colour3;
        const char* new2;
        const char* new1;
        bool prompt2, prompt1;
    } const cases[] = {
        {"1", 12, 50, 50, 50, "TRUE (5)", "FALSE (6)", true, false},
        {"1", 13, 13, 13, 13, "FALSE (6)", "FALSE (6)", false, false},
        {"1", 50, 50, 12, 50, "FALSE (6)", "TRUE (5)", false, true},
        {"1", -1, 50, 50, -20, "TRUE (5)", "TRUE (5)", true, true},
        {"2", 12, 12, 50, 50, "TRUE (7)", "TRUE (7)", true, true},
        {"2", 13, 50, 50, 0, "FALSE (8)", "TRUE (7)", false, true},
    };
    for (const Case& c : cases) {
        ModelOptions options("1", c.format);
        // Rows that ask for both cartridges (8 in position 1, 2 in position 2 at installation):
        // the levels overrule them.
        INKINFO ink = DualInk(kInvalid, kBlack);
        ink.bCartChanged2 = 1;
        ink.PhyCartID2 = QOR_CART_BLACK_53;
        ink.nBlackLevel = c.black;
        ink.nColorLevel1 = c.colour1;
        ink.nColorLevel2 = c.colour2;
        ink.nColorLevel3 = c.colour3;
        const Outcome out = RunPath(ink, QOR_PORT_USB, TRUE);
        EXPECT_TRUE(SameLines(
            out.lines,
            Lines({kDefaults,
                   {"m_bPromptAlignmentCart1 set to TRUE (8)", "m_bPromptNewCart1 set to TRUE (4)",
                    "m_bPromptAlignmentCart2 set to TRUE (2)", "m_bPromptNewCart2 set to TRUE (1)"},
                   Combined(true),
                   {std::string("m_bPromptNewCart2 set to ") + c.new2,
                    std::string("m_bPromptNewCart1 set to ") + c.new1}})))
            << options.Describe();
        EXPECT_EQ(out.flags.m_bPromptNewCart2, c.prompt2) << options.Describe() << " " << c.black;
        EXPECT_EQ(out.flags.m_bPromptNewCart1, c.prompt1) << options.Describe() << " " << c.black;
    }
}

TEST_F(CartChangePath, OnePositionCarrierLogsNothingOfPosition2) {
    ModelOptions options("3", "1");
    INKINFO ink = SingleInk(kColour);
    ink.bCartChanged1 = 1;
    ink.PhyCartID1 = kMissing;
    ink.nBlackLevel = 5;
    ink.PhyCartID2 = kColour; // would be a cartridge in the wrong position
    const Outcome out = RunPath(ink);
    EXPECT_TRUE(SameLines(out.lines, Lines({kDefaults,
                                            {"m_bPromptAlignmentCart1 set to TRUE (3)"},
                                            Combined(true),
                                            {"m_bPromptNewCart2 set to TRUE (5)",
                                             "m_bPromptNewCart1 set to FALSE (6)"}})));
    EXPECT_TRUE(out.flags.m_bPromptCartVerify);
    EXPECT_TRUE(out.flags.m_bPromptNewCart2);
    EXPECT_EQ(out.ink.PhyCartID2, kColour);
    EXPECT_EQ(out.ink.LogCartID2, kInvalid);
}

TEST_F(CartChangePath, OnePositionCarrierUnderTheOneCartridgeStyleAsksForItsCartridge) {
    // With one position, "every position needs a cartridge" is that position alone.
    ModelOptions options("2", nullptr);
    INKINFO ink = SingleInk(kColour);
    ink.PhyCartID1 = kMissing;
    const Outcome missing = RunPath(ink);
    EXPECT_TRUE(missing.flags.m_bPromptCartVerify);
    EXPECT_TRUE(missing.flags.m_bPromptAlignment);
    const Outcome fitted = RunPath(SingleInk(kColour));
    EXPECT_FALSE(fitted.flags.m_bPromptCartVerify);
    EXPECT_FALSE(fitted.flags.m_bPromptAlignment);
}

TEST_F(CartChangePath, OnePositionPrinterWithoutStatusKeepsPosition2Untouched) {
    ModelOptions options("3", nullptr);
    INKINFO ink = SingleInk(kMissing);
    const Outcome out = RunPath(ink, QOR_PORT_NO_STATUS);
    EXPECT_EQ(out.ink.PhyCartID1, kColour);
    EXPECT_EQ(out.ink.LogCartID1, kColour);
    EXPECT_EQ(out.ink.PhyCartID2, ink.PhyCartID2);
    EXPECT_EQ(out.ink.LogCartID2, ink.LogCartID2);
    EXPECT_TRUE(out.flags.m_bPromptCartVerify);
}

TEST_F(CartChangePath, MainWindowRunsThePathOverItsOwnRecord) {
    CQORTabDlg main;
    main.m_Records.ink = DualInk(kColour, kBlack);
    main.m_Records.ink.bCartChanged1 = 1;
    main.m_Records.ink.PhyCartID1 = QOR_CART_COLOR_85;
    main.m_PortInfo.dwPortType = QOR_PORT_USB;
    main.m_bPostInstallCheck = TRUE;
    main.m_bPromptInstallAlignment = TRUE;
    main.m_bPromptCartVerify = TRUE;
    TestLog log;
    main.CartChangePathDetermination();
    EXPECT_TRUE(main.m_bPromptNewCart1);
    EXPECT_FALSE(main.m_bPromptNewCart2);
    EXPECT_TRUE(main.m_bPromptAlignment);
    EXPECT_FALSE(main.m_bPromptCartVerify);
    EXPECT_FALSE(main.m_bPromptInstallAlignment);
    EXPECT_TRUE(main.m_bPostInstallCheck);
    EXPECT_EQ(main.m_Records.ink.LogCartID1, QOR_CART_COLOR_85);
    EXPECT_TRUE(log.Contains(Line("m_bPromptAlignmentCart1 set to TRUE (2)")));
}
