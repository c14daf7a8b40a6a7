#include "CString.h"

#include <gtest/gtest.h>
#include <type_traits>

static_assert(!std::is_constructible_v<CString, int>, "no CString from a number");
static_assert(!std::is_constructible_v<CString, char>, "no CString from a character");

TEST(CString, TakesNullAsEmptyText) {
    CString text(static_cast<const char*>(nullptr));
    EXPECT_TRUE(text.IsEmpty());
    text += static_cast<const char*>(nullptr);
    EXPECT_EQ(text, "");
}

TEST(CString, SlicesClampToTheText) {
    CString text("Printer");
    EXPECT_EQ(text.Left(3), "Pri");
    EXPECT_EQ(text.Left(99), "Printer");
    EXPECT_EQ(text.Mid(4), "ter");
    EXPECT_EQ(text.Mid(-2, 2), "Pr");
    EXPECT_EQ(text.Mid(50), "");
    EXPECT_EQ(text.Right(3), "ter");
    EXPECT_EQ(text.Right(-1), "");
}

TEST(CString, FormatsLongTextWithoutCutting) {
    CString text;
    std::string long_text(5000, 'x');
    text.Format("%s-%d", long_text.c_str(), 42);
    EXPECT_EQ(text.GetLength(), 5003);
    EXPECT_EQ(text.Right(3), "-42");
}

TEST(CString, ReplacesEveryOccurrenceOnce) {
    CString text("a-a-a");
    EXPECT_EQ(text.Replace("a", "aa"), 3);
    EXPECT_EQ(text, "aa-aa-aa");
}

TEST(CString, BufferWritingKeepsTheWrittenLength) {
    CString text;
    char* buffer = text.GetBuffer(16);
    lstrcpyA(buffer, "abc");
    text.ReleaseBuffer();
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(text.GetLength(), 3);
}
