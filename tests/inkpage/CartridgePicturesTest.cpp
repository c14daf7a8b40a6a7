#include "status/CartridgePictures.h"
#include "InkTestSupport.h"
#include "Operations.h"
#include "TestLog.h"
#include "qor.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct MessageBoxCall {
    std::string text;
    std::string caption;
};

std::vector<MessageBoxCall>& MessageBoxes() {
    static std::vector<MessageBoxCall> calls;
    return calls;
}

int RecordMessageBox(int kind, const char* text, const char* caption, unsigned, unsigned) {
    if (kind == VQTR_UI_MESSAGE_BOX)
        MessageBoxes().push_back({text ? text : "", caption ? caption : ""});
    return IDOK;
}

const std::string kFrame(55, '!');
} // namespace

TEST(CartridgePictureTable, GivesEachListedIdItsPictureAndEveryOtherIdTheEmptyOne) {
    struct Case {
        DWORD id;
        UINT picture;
    };
    const Case cases[] = {
        {16, 6377},  {48, 6276}, {53, 8028},   {63, 8049},  {64, 6407},   {80, 6374},
        {85, 8029},  {95, 8050}, {96, 6409},   {112, 6408}, {175, 6408},  {191, 6408},
        {127, 8051}, {128, 230}, {133, 230},   {144, 230},  {143, 8052},  {999, 6379},
        {0, 6375},   {32, 6375}, {0x99, 6375}, {113, 6375}, {1000, 6375}, {0xFFFFFFFF, 6375},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CartridgePictureId(c.id), c.picture) << c.id;
}

TEST(CartridgePictureTable, NamesTheFamiliesAndShowsEmptyAndUnknownPositionsAsSuch) {
    struct Case {
        DWORD id;
        int position;
        UINT picture;
        UINT name;
        bool known;
    };
    const Case cases[] = {
        {32, 1, 6375, 6328, true},    {32, 2, 6378, 6328, true},   {48, 2, 6276, 6290, true},
        {53, 2, 8028, 6290, true},    {63, 2, 8049, 6290, true},   {64, 2, 6407, 6407, true},
        {80, 1, 6374, 6291, true},    {85, 1, 8029, 6291, true},   {95, 1, 8050, 6291, true},
        {96, 1, 6409, 6408, true},    {112, 2, 6408, 6292, true},  {127, 2, 8051, 6292, true},
        {128, 1, 230, 6413, true},    {143, 1, 8052, 6413, true},  {16, 1, 6377, 6347, false},
        {0, 1, 6377, 6347, false},    {999, 2, 6377, 6347, false}, {175, 2, 6377, 6347, false},
        {0x99, 1, 6377, 6347, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " in position " << c.position);
        CartridgeView view = ShownCartridge(c.id, c.position);
        EXPECT_EQ(view.pictureId, c.picture);
        EXPECT_EQ(view.nameId, c.name);
        EXPECT_EQ(IsKnownCartridgeId(c.id), c.known);
    }
}

TEST(CartridgePictureTable, EveryPictureIsInTheResourceModuleWithTransparentCorners) {
    HMODULE resources = ::LoadLibraryExA("vqtrqorr.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(resources, nullptr);
    const UINT pictures[] = {6377, 6276, 8028, 8049, 6407, 6374, 8029, 8050, 6409,
                             6408, 8051, 230,  8052, 6375, 6378, 6379, 6376, 6372};
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    for (UINT id : pictures) {
        SCOPED_TRACE(id);
        HBITMAP bitmap = static_cast<HBITMAP>(
            ::LoadImageA(resources, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info{};
        ::GetObjectA(bitmap, sizeof info, &info);
        EXPECT_GE(info.bmWidth, 60);
        EXPECT_GE(info.bmHeight, 14);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        // The picture stands on the page: its corners are the key colour, its centre is not.
        EXPECT_EQ(::GetPixel(memory, 0, 0), RGB(0, 255, 0));
        EXPECT_EQ(::GetPixel(memory, info.bmWidth - 1, info.bmHeight - 1), RGB(0, 255, 0));
        EXPECT_NE(::GetPixel(memory, info.bmWidth / 2, info.bmHeight / 2), RGB(0, 255, 0));
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    ::FreeLibrary(resources);
}

TEST(InvalidCartridgeId, MessageNamesThePositionAndTheIdInLowerCaseHex) {
    EXPECT_EQ(std::string(InvalidCartridgeIdMessage(0x99, 1)),
              "The Cartridge ID handed to the QOR is invalid for LogCartID1:  99");
    EXPECT_EQ(std::string(InvalidCartridgeIdMessage(0xABC, 2)),
              "The Cartridge ID handed to the QOR is invalid for LogCartID2:  abc");
}

TEST(InvalidCartridgeId, IsLoggedBetweenFramesAndShownOnlyWithTheDebugOption) {
    MessageBoxes().clear();
    VqtrSetUiHandler(&RecordMessageBox);
    const std::string message = "The Cartridge ID handed to the QOR is invalid for LogCartID2:  99";
    for (const char* debug : {"0", "1"}) {
        SCOPED_TRACE(debug);
        TestOptions options({std::make_pair(std::string("IDO_DEBUGMSG"), std::string(debug))});
        TestLog log;
        MessageBoxes().clear();
        ReportInvalidCartridgeId(0x99, 2, nullptr);
        EXPECT_TRUE(log.HasSequence({kFrame, message, kFrame}));
        if (std::string(debug) == "1") {
            ASSERT_EQ(MessageBoxes().size(), 1u);
            EXPECT_EQ(MessageBoxes()[0].text, message);
            EXPECT_EQ(MessageBoxes()[0].caption, "ERROR");
        } else {
            EXPECT_TRUE(MessageBoxes().empty());
        }
    }
    VqtrSetUiHandler(nullptr);
}
