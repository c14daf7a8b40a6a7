// The Troubleshooting page's decisions: the alert comparison, the state text and solution links,
// and the help topic behind each link.
#include "TestLog.h"
#include "resource.h"
#include "status/AlertComparison.h"
#include "status/PaperQuality.h"
#include "status/TroubleshootingStates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
AlertKind Classify(std::vector<BYTE> bytes, DWORD length) {
    STATUSERROR alert{bytes.empty() ? nullptr : bytes.data(), length};
    return ClassifyAlert(&alert);
}
} // namespace

TEST(AlertComparison, ThePatternsAreComparedOverTheAlertsLength) {
    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
        DWORD length;
        AlertKind kind;
    };
    const Case cases[] = {
        {"out of paper", {0x80, 0x01}, 2, AlertKind::OutOfPaper},
        {"paper jam", {0x80, 0x02}, 2, AlertKind::PaperJam},
        // A and B share the first byte: only the whole alert tells them apart.
        {"carriage stall", {0x80, 0x03}, 2, AlertKind::CarriageStall},
        {"cartridge, any second byte", {0x20, 0x77}, 2, AlertKind::Cartridge},
        {"cartridge, four bytes", {0x20, 0x51, 0x00, 0x09}, 4, AlertKind::Cartridge},
        {"pattern F is a general alert", {0x01, 0x02}, 2, AlertKind::General},
        {"unknown code", {0x42, 0x42}, 2, AlertKind::General},
        {"one byte: nothing left after the last", {0x20}, 1, AlertKind::General},
        {"the pattern's padding compared", {0x80, 0x01, 0x00, 0x00}, 4, AlertKind::OutOfPaper},
        {"a byte beyond the padding", {0x80, 0x01, 0x07, 0x00}, 4, AlertKind::General},
        // The patterns have four bytes: a longer alert matches none of them.
        {"longer than a pattern", {0x80, 0x03, 0x00, 0x00, 0x00}, 5, AlertKind::General},
        {"length 0: no wrap below the first byte", {0x20, 0x02}, 0, AlertKind::General},
        {"no bytes though a length", {}, 2, AlertKind::General},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Classify(c.bytes, c.length), c.kind) << c.name;
    EXPECT_EQ(ClassifyAlert(nullptr), AlertKind::None);
    EXPECT_EQ(AlertTextOf(AlertKind::None), 0u);
    EXPECT_EQ(AlertTextOf(AlertKind::PaperJam), UINT{IDS_ALERT_PAPER_JAM});
}

TEST(AlertComparison, TheLogShowsEachComparedPositionDownToTheFirstDifference) {
    TestLog log;
    const BYTE bytes[] = {0x80, 0x02};
    EXPECT_EQ(CompareAlert(AlertPattern::C, bytes, 2), 0);
    EXPECT_TRUE(log.HasSequence({"CompareAlert()"}));
    // Position 1 differs (3 against 2): the comparison stops there.
    EXPECT_TRUE(log.HasSequence({"1", "3", "1", "2"}));
    EXPECT_FALSE(log.HasSequence({"0", "128", "0", "128"}));
    EXPECT_NE(CompareAlert(AlertPattern::B, bytes, 2), 0);
}

TEST(TroubleshootingStates, EachStateHasItsTextAndLinks) {
    struct Case {
        DWORD status;
        DWORD port;
        AlertKind alert;
        bool aio;
        UINT text;
        std::array<UINT, 3> links;
    };
    const std::array<UINT, 3> general = {IDS_TROUBLE_LINK_GENERAL1, IDS_TROUBLE_LINK_GENERAL2,
                                         IDS_TROUBLE_LINK_GENERAL3};
    const std::array<UINT, 3> none = {0, 0, 0};
    const Case cases[] = {
        {1, QOR_PORT_USB, AlertKind::None, false, IDS_TROUBLE_STATE_READY, general},
        {10, QOR_PORT_USB, AlertKind::None, false, IDS_TROUBLE_STATE_OFFLINE, general},
        {3,
         QOR_PORT_USB,
         AlertKind::None,
         false,
         IDS_TROUBLE_STATE_ERROR,
         {IDS_TROUBLE_LINK_GENERAL1, IDS_TROUBLE_LINK_ERROR, 0}},
        {7,
         QOR_PORT_USB,
         AlertKind::None,
         false,
         IDS_TROUBLE_STATE_CARRIAGE,
         {IDS_TROUBLE_LINK_CARRIAGE1, IDS_TROUBLE_LINK_CARRIAGE2, 0}},
        {8,
         QOR_PORT_USB,
         AlertKind::None,
         true,
         IDS_TROUBLE_STATE_COVER_OPEN,
         {IDS_TROUBLE_LINK_COVER_AIO, 0, 0}},
        {8,
         QOR_PORT_USB,
         AlertKind::None,
         false,
         IDS_TROUBLE_STATE_COVER_OPEN,
         {IDS_TROUBLE_LINK_COVER, 0, 0}},
        {9,
         QOR_PORT_USB,
         AlertKind::PaperJam,
         false,
         IDS_ALERT_PAPER_JAM,
         {IDS_TROUBLE_LINK_PAPER_JAM, 0, 0}},
        {4,
         QOR_PORT_USB,
         AlertKind::Cartridge,
         false,
         IDS_ALERT_CARTRIDGE,
         {IDS_TROUBLE_LINK_GENERAL1, IDS_TROUBLE_LINK_CARTRIDGE, 0}},
        {9, QOR_PORT_USB, AlertKind::General, false, IDS_ALERT_GENERAL, general},
        // No alert record: nothing to explain beyond the general text.
        {9, QOR_PORT_USB, AlertKind::None, false, IDS_TROUBLE_STATE_GENERAL, none},
        {0, QOR_PORT_USB, AlertKind::None, false, IDS_TROUBLE_STATE_GENERAL, none},
        {77, QOR_PORT_USB, AlertKind::None, false, IDS_TROUBLE_STATE_GENERAL, none},
        // A connection without status says so in every state.
        {9,
         QOR_PORT_NO_STATUS,
         AlertKind::PaperJam,
         false,
         IDS_TROUBLE_STATE_NO_STATUS_PORT,
         {IDS_TROUBLE_LINK_CONNECTION, 0, 0}},
    };
    for (const Case& c : cases) {
        AlertTopics topics;
        const TroubleshootingView view = ViewOfState(c.status, c.port, c.alert, c.aio, topics);
        EXPECT_EQ(view.stateText, c.text) << c.status << " " << static_cast<int>(c.alert);
        EXPECT_EQ(view.links, c.links) << c.status << " " << static_cast<int>(c.alert);
    }
}

TEST(TroubleshootingStates, TheLinksOpenTheTopicsOfTheStateOrOfTheLastAlert) {
    struct Case {
        const char* name;
        DWORD status;
        DWORD port;
        AlertKind alert;
        DWORD topics[3];
    };
    const Case cases[] = {
        {"ready", 1, QOR_PORT_USB, AlertKind::None, {82, 822, 823}},
        {"error", 3, QOR_PORT_USB, AlertKind::None, {82, 80, 823}},
        {"carriage", 7, QOR_PORT_USB, AlertKind::None, {985, 984, 823}},
        {"cover", 8, QOR_PORT_USB, AlertKind::None, {989, 822, 823}},
        {"paper jam", 9, QOR_PORT_USB, AlertKind::PaperJam, {68, 0, 823}},
        {"out of paper", 4, QOR_PORT_USB, AlertKind::OutOfPaper, {824, 0, 823}},
        {"carriage stall", 9, QOR_PORT_USB, AlertKind::CarriageStall, {985, 984, 823}},
        {"cartridge", 9, QOR_PORT_USB, AlertKind::Cartridge, {82, 75, 823}},
        {"general alert", 9, QOR_PORT_USB, AlertKind::General, {82, 822, 823}},
        {"no status", 1, QOR_PORT_NO_STATUS, AlertKind::None, {988, 822, 823}},
    };
    for (const Case& c : cases) {
        AlertTopics topics;
        ViewOfState(c.status, c.port, c.alert, false, topics);
        for (int link = 1; link <= 3; ++link)
            EXPECT_EQ(SolutionTopic(link, c.status, c.port, topics), c.topics[link - 1])
                << c.name << " link " << link;
    }
    // An alert record that goes missing leaves the last alert's topics in place.
    AlertTopics topics;
    ViewOfState(9, QOR_PORT_USB, AlertKind::PaperJam, false, topics);
    ViewOfState(9, QOR_PORT_USB, AlertKind::None, false, topics);
    EXPECT_EQ(SolutionTopic(1, 9, QOR_PORT_USB, topics), 68u);
}

TEST(PaperQuality, EachPaperHasItsLineAndTheQualityOfTheCartridgesFitted) {
    QualityOptions options;
    options.colour = {0, -4, -3, 0, 0, 7};
    options.photo = {-4, -4, -4, -3, 0, 0};
    INKINFO colour{};
    colour.LogCartID1 = QOR_CART_COLOR;
    colour.LogCartID2 = QOR_CART_BLACK;
    INKINFO photo = colour;
    photo.LogCartID2 = QOR_CART_PHOTO;
    INKINFO vivid = colour;
    vivid.LogCartID1 = QOR_CART_ALT_COLOR;
    struct Case {
        DWORD media;
        const INKINFO& ink;
        bool best;
        UINT line;
        UINT advice;
    };
    const Case cases[] = {
        {0, colour, false, IDS_PAPER_PLAIN, IDS_PAPER_ADVICE_NORMAL},
        {1, colour, false, IDS_PAPER_COATED, IDS_PAPER_ADVICE_HIGH},
        {2, colour, false, IDS_PAPER_GLOSSY, IDS_PAPER_ADVICE_MEDIUM},
        {2, colour, true, IDS_PAPER_GLOSSY, IDS_PAPER_ADVICE_BEST},
        {5, colour, false, IDS_PAPER_CARD_STOCK, IDS_PAPER_ADVICE_NORMAL},
        {0, photo, false, IDS_PAPER_PLAIN, IDS_PAPER_ADVICE_HIGH},
        {3, vivid, false, IDS_MEDIA_TRANSPARENCY, IDS_PAPER_ADVICE_MEDIUM},
        {255, colour, false, IDS_MEDIA_UNKNOWN, IDS_PAPER_ADVICE_UNKNOWN},
        // Any other value leaves both as they stand.
        {6, colour, false, 0, 0},
        {0xFFFFFFFF, photo, false, 0, 0},
    };
    for (const Case& c : cases) {
        options.bestQuality = c.best;
        EXPECT_EQ(PaperLineText(c.media), c.line) << c.media;
        EXPECT_EQ(QualityAdviceText(c.media, c.ink, options), c.advice) << c.media;
    }
}
