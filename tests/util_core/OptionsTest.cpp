// Product options: the file chosen by VQTR_OPTIONS, kept parsed and read again when it changes.
#include "CSpy.h"
#include "NvoProduct.h"
#include "UtilTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using utiltest::ScopedEnvironment;
using utiltest::TempFile;

namespace {

constexpr char kOptions[] = "; options of a test model\n"
                            "[Other]\n"
                            "IDO_ONLY_ELSEWHERE=1\n"
                            "[Options]\n"
                            "IDO_ONE=1\n"
                            "IDO_ZERO = 0\n"
                            "IDO_TEXT=Corvane Q710 Series\n"
                            "IDO_EMPTY=\n"
                            "IDO_HEX=0x1F\n"
                            "IDO_NEGATIVE=-4\n"
                            "IDO_LEADING_ZERO=01\n"
                            "IDO_NOT_A_NUMBER=12ab\n"
                            "IDO_TOO_BIG=4294967296\n"
                            "; IDO_COMMENTED=1\n"
                            "IDO_DUPLICATE=first\n"
                            "IDO_DUPLICATE=second\n"
                            "[Later]\n"
                            "IDO_AFTER=1\n";

class ProductOptions : public testing::Test {
protected:
    void SetUp() override { m_file.Write(kOptions); }

    TempFile m_file{".ini"};
    ScopedEnvironment m_options{"VQTR_OPTIONS", m_file.Path()};
    NvoProduct m_product;
};

TEST_F(ProductOptions, TextOfEachOptionAndMissingOnes) {
    struct Case {
        const char* key;
        BOOL found;
        const char* text;
    } const cases[] = {
        {"IDO_ONE", TRUE, "1"},
        {"IDO_ZERO", TRUE, "0"},
        {"IDO_TEXT", TRUE, "Corvane Q710 Series"},
        {"ido_text", TRUE, "Corvane Q710 Series"},
        {"IDO_EMPTY", TRUE, ""},
        {"IDO_DUPLICATE", TRUE, "first"},
        {"IDO_MISSING", FALSE, ""},
        {"IDO_COMMENTED", FALSE, ""},
        {"; IDO_COMMENTED", FALSE, ""},
        {"IDO_ONLY_ELSEWHERE", FALSE, ""},
        {"IDO_AFTER", FALSE, ""},
        {"", FALSE, ""},
        {nullptr, FALSE, ""},
    };
    for (const Case& c : cases) {
        CString value("stale");
        EXPECT_EQ(m_product.GetSetting(c.key, value), c.found) << (c.key ? c.key : "(null)");
        EXPECT_STREQ(value, c.text) << (c.key ? c.key : "(null)");
    }
}

TEST_F(ProductOptions, NumbersInDecimalOrHexadecimal) {
    struct Case {
        const char* key;
        BOOL found;
        unsigned long value;
    } const cases[] = {
        {"IDO_ONE", TRUE, 1},          {"IDO_ZERO", TRUE, 0},
        {"IDO_HEX", TRUE, 31},         {"IDO_NEGATIVE", TRUE, static_cast<unsigned long>(-4L)},
        {"IDO_LEADING_ZERO", TRUE, 1}, {"IDO_NOT_A_NUMBER", FALSE, 0},
        {"IDO_TOO_BIG", FALSE, 0},     {"IDO_TEXT", FALSE, 0},
        {"IDO_EMPTY", FALSE, 0},       {"IDO_MISSING", FALSE, 0},
    };
    for (const Case& c : cases) {
        unsigned long value = 12345;
        EXPECT_EQ(m_product.GetSetting(c.key, value), c.found) << c.key;
        EXPECT_EQ(value, c.value) << c.key;
    }
}

TEST_F(ProductOptions, ComparesWithTheDecimalFormOfANumber) {
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1));
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1u));
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1L));
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1ul));
    EXPECT_TRUE(m_product.CompareSetting("IDO_ZERO", 0));
    EXPECT_TRUE(m_product.CompareSetting("IDO_NEGATIVE", -4));
    EXPECT_FALSE(m_product.CompareSetting("IDO_ONE", 0));
    EXPECT_FALSE(m_product.CompareSetting("IDO_ONE", 2ul));
    // The text is compared, not its number.
    EXPECT_FALSE(m_product.CompareSetting("IDO_LEADING_ZERO", 1));
    EXPECT_FALSE(m_product.CompareSetting("IDO_HEX", 31));
    EXPECT_FALSE(m_product.CompareSetting("IDO_EMPTY", 0));
    EXPECT_FALSE(m_product.CompareSetting("IDO_MISSING", 0));
}

TEST_F(ProductOptions, ComparesTextExactly) {
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", "1"));
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", CString("1")));
    EXPECT_TRUE(m_product.CompareSetting("IDO_TEXT", "Corvane Q710 Series"));
    EXPECT_FALSE(m_product.CompareSetting("IDO_TEXT", "corvane q710 series"));
    EXPECT_FALSE(m_product.CompareSetting("IDO_TEXT", "Corvane"));
    EXPECT_FALSE(m_product.CompareSetting("IDO_ONE", static_cast<const char*>(nullptr)));
}

TEST_F(ProductOptions, AMissingOptionEqualsNothingButAnEmptyOneEqualsEmptyText) {
    EXPECT_TRUE(m_product.CompareSetting("IDO_EMPTY", ""));
    EXPECT_TRUE(m_product.CompareSetting("IDO_EMPTY", CString()));
    EXPECT_FALSE(m_product.CompareSetting("IDO_MISSING", ""));
    EXPECT_FALSE(m_product.CompareSetting("IDO_MISSING", CString()));
    EXPECT_FALSE(m_product.CompareSetting(nullptr, ""));
}

TEST_F(ProductOptions, FollowsTheVariableToAnotherFileAndBack) {
    TempFile other(".ini");
    other.Write("[Options]\nIDO_ONE=2\nIDO_OTHER_ONLY=yes\n");
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1));
    {
        ScopedEnvironment switched("VQTR_OPTIONS", other.Path());
        EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 2));
        EXPECT_TRUE(NvoProduct().CompareSetting("IDO_OTHER_ONLY", "yes"));
        EXPECT_FALSE(m_product.CompareSetting("IDO_TEXT", "Corvane Q710 Series"));
        EXPECT_STREQ(NvoProduct::GetOptionsFile(), other.Path());
    }
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1));
    CString value;
    EXPECT_FALSE(m_product.GetSetting("IDO_OTHER_ONLY", value));
}

TEST_F(ProductOptions, ReadsTheFileAgainWhenItsTimeStampChanges) {
    utiltest::SetWriteTime(m_file, 0);
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1));
    // Same size, other content: only the time stamp tells.
    std::string changed = kOptions;
    changed.replace(changed.find("IDO_ONE=1"), 9, "IDO_ONE=7");
    m_file.Write(changed);
    utiltest::SetWriteTime(m_file, 60);
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 7));
    m_file.Write("[Options]\nIDO_ONE=8\n");
    utiltest::SetWriteTime(m_file, 120);
    EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 8));
    CString value;
    EXPECT_FALSE(m_product.GetSetting("IDO_TEXT", value));
}

TEST_F(ProductOptions, AMissingFileLeavesEveryOptionMissingAndLogsOnce) {
    TempFile missing(".ini");
    TempFile log(".log");
    ScopedEnvironment logging("VQTR_SPY_LOG", log.Path());
    {
        ScopedEnvironment switched("VQTR_OPTIONS", missing.Path());
        CString value;
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(m_product.GetSetting("IDO_ONE", value));
            EXPECT_FALSE(m_product.CompareSetting("IDO_ONE", 1));
        }
        const auto lines = log.Lines();
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& line) {
                                    return line.find(missing.Path()) != std::string::npos;
                                }),
                  1)
            << "one error naming the file";
        // The file appears: it is read at once.
        missing.Write("[Options]\nIDO_ONE=1\n");
        EXPECT_TRUE(m_product.CompareSetting("IDO_ONE", 1));
    }
    EXPECT_TRUE(m_product.CompareSetting("IDO_TEXT", "Corvane Q710 Series"));
}

TEST(ProductOptionsFile, WithoutTheVariableTheFileBesideTheLibrary) {
    ScopedEnvironment unset("VQTR_OPTIONS", nullptr);
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string expected(exe);
    expected.erase(expected.find_last_of('\\') + 1);
    expected += "vqtrprod.ini";
    EXPECT_STREQ(NvoProduct::GetOptionsFile(), expected.c_str());
}

} // namespace
