#include "status/StatusLines.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <vector>

TEST(StatusLines, Line1ByStateAndLine2ExactlyInTheAlertRows) {
    struct Case {
        DWORD status;
        UINT line1;
        bool alert;
    };
    const Case cases[] = {{1, 6016, false},         {2, 6017, false}, {3, 6018, false},
                          {4, 6157, true},          {5, 6157, true},  {6, 6315, false},
                          {7, 6316, false},         {8, 6346, false}, {9, 6363, true},
                          {10, 6514, false},        {0, 6019, false}, {11, 6019, false},
                          {0xFFFFFFFF, 6019, false}};
    for (const Case& c : cases) {
        StatusLineTexts texts = StatusLinesFor(c.status);
        EXPECT_EQ(texts.line1, c.line1) << c.status;
        EXPECT_EQ(texts.showsAlert, c.alert) << c.status;
    }
}

TEST(StatusLines, AlertTextFirstMatchingPatternWins) {
    struct Case {
        std::vector<BYTE> bytes;
        bool dualTray;
        UINT text;
    };
    const Case cases[] = {
        {{0x80, 0x03}, false, 6364},
        {{0x80, 0x02}, false, 6365},
        {{0x80, 0x01}, false, 6366},
        {{0x80, 0x01}, true, 7022},
        {{0x80, 0x04}, false, 7023},
        {{0x20, 0x02}, false, 6369},
        {{0x20, 0x51}, false, 6369},
        // Compared over the length less one: any second byte after 20.
        {{0x20, 0x99}, false, 6369},
        {{0x01, 0x02}, false, 6370},
        {{0x80, 0x05}, false, 6370},
        // One byte: the first pattern sharing it wins.
        {{0x80}, false, 6364},
        // Four bytes compare the pattern's zeros too; longer alerts match nothing.
        {{0x80, 0x02, 0x00, 0x00}, false, 6365},
        {{0x80, 0x02, 0x00, 0x01}, false, 6370},
        {{0x80, 0x03, 0x00, 0x00, 0x00}, false, 6370},
        {{0x20, 0x02, 0x00, 0x00, 0x07}, false, 6369},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> bytes = c.bytes;
        STATUSERROR alert{bytes.data(), static_cast<DWORD>(bytes.size())};
        EXPECT_EQ(AlertTextFor(&alert, c.dualTray), c.text) << testing::PrintToString(c.bytes);
    }
}

TEST(StatusLines, NoAlertRecordGivesNoTextAndNoBytesAGeneralOne) {
    EXPECT_EQ(AlertTextFor(nullptr, false), 0u);
    STATUSERROR empty{nullptr, 0};
    EXPECT_EQ(AlertTextFor(&empty, false), 6370u);
    STATUSERROR lengthWithoutBytes{nullptr, 2};
    EXPECT_EQ(AlertTextFor(&lengthWithoutBytes, false), 6370u);
    BYTE bytes[] = {0x80, 0x03};
    STATUSERROR zeroLength{bytes, 0};
    EXPECT_EQ(AlertTextFor(&zeroLength, false), 6370u);
}

TEST(StatusLines, PaperLinesByMediaAndTrays) {
    struct Case {
        DWORD media;
        UINT dual1, dual2, one;
    };
    const Case cases[] = {{0, 6518, 6519, 6029},   {1, 6530, 6531, 6035}, {2, 6520, 6521, 6030},
                          {3, 6522, 6523, 6551},   {4, 6524, 6525, 6032}, {5, 6532, 6533, 6036},
                          {255, 6556, 6557, 6555}, {6, 0, 0, 0},          {254, 0, 0, 0}};
    for (const Case& c : cases) {
        MediaLineTexts dual = MediaLinesFor(c.media, c.media, true);
        EXPECT_EQ(dual.line1, c.dual1) << c.media;
        EXPECT_EQ(dual.line2, c.dual2) << c.media;
        EXPECT_FALSE(dual.hideLine1);
        MediaLineTexts one = MediaLinesFor(c.media, 0, false);
        EXPECT_EQ(one.line1, 0u);
        EXPECT_EQ(one.line2, c.one) << c.media;
        EXPECT_TRUE(one.hideLine1);
    }
    // Each tray by its own value.
    MediaLineTexts mixed = MediaLinesFor(2, 5, true);
    EXPECT_EQ(mixed.line1, 6520u);
    EXPECT_EQ(mixed.line2, 6533u);

    MediaLineTexts noSensingDual = NoSensingMediaLines(true);
    EXPECT_EQ(noSensingDual.line1, 6534u);
    EXPECT_EQ(noSensingDual.line2, 6535u);
    MediaLineTexts noSensing = NoSensingMediaLines(false);
    EXPECT_EQ(noSensing.line2, 6247u);
    EXPECT_TRUE(noSensing.hideLine1);
}
