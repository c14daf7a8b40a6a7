#include "FileFind.h"
#include "Handles.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>

static_assert(!std::is_copy_constructible_v<CHandle>, "holders are never copied");
static_assert(std::is_nothrow_move_constructible_v<CHKey>);

namespace {
bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != FALSE;
}

TEST(Holders, CloseWhatTheyOwnOnceOnEveryPath) {
    HANDLE first = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE second = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        CHandle holder(first);
        CHandle moved(std::move(holder));
        EXPECT_FALSE(holder.IsValid());
        EXPECT_EQ(moved.Get(), first);
        moved.Attach(second); // releases the first
        EXPECT_FALSE(IsOpen(first));
        EXPECT_TRUE(IsOpen(second));
    }
    EXPECT_FALSE(IsOpen(second));

    HANDLE kept = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        CHandle holder(kept);
        EXPECT_EQ(holder.Detach(), kept);
    }
    EXPECT_TRUE(IsOpen(kept));
    CHandle(kept).Close();
    EXPECT_FALSE(IsOpen(kept));
}

TEST(Holders, EmptyValuesAreNotHandles) {
    EXPECT_FALSE(CHandle(INVALID_HANDLE_VALUE).IsValid());
    EXPECT_FALSE(CHandle(nullptr).IsValid());
    EXPECT_FALSE(CFindHandle().IsValid());
    EXPECT_FALSE(CModule().IsValid());
    // A root key is never closed by a holder that happens to carry it.
    EXPECT_FALSE(CHKey(HKEY_CURRENT_USER).IsValid());
}

TEST(Holders, ReceiveTakesOutParameters) {
    CHKey key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.Receive()),
              ERROR_SUCCESS);
    EXPECT_TRUE(key.IsValid());
    CModule module;
    module.Attach(::LoadLibraryA("msimg32.dll"));
    EXPECT_TRUE(module.IsValid());
    EXPECT_NE(::GetProcAddress(module, "TransparentBlt"), nullptr);
}

class FileFind : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_root = std::string(temp) + "vqtrg_find_" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_root.c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\sub").c_str(), nullptr);
        std::ofstream(m_root + "\\a.txt") << "abc";
        std::ofstream(m_root + "\\b.dat");
    }
    void TearDown() override {
        ::DeleteFileA((m_root + "\\a.txt").c_str());
        ::DeleteFileA((m_root + "\\b.dat").c_str());
        ::RemoveDirectoryA((m_root + "\\sub").c_str());
        ::RemoveDirectoryA(m_root.c_str());
    }

    struct Entry {
        bool directory;
        bool dots;
        ULONGLONG length;
        std::string path;
        bool operator==(const Entry&) const = default;
    };
    std::map<std::string, Entry> Find(const std::string& pattern) {
        std::map<std::string, Entry> found;
        CFileFind finder;
        for (BOOL more = finder.FindFile(pattern.c_str()); more;) {
            more = finder.FindNextFile();
            found[finder.GetFileName().str()] = {finder.IsDirectory() != FALSE,
                                                 finder.IsDots() != FALSE, finder.GetLength(),
                                                 finder.GetFilePath().str()};
            EXPECT_EQ(finder.GetRoot(), m_root.c_str());
        }
        return found;
    }

    std::string m_root;
};

TEST_F(FileFind, WalksAFolderWithDotsDirectoriesAndSizes) {
    auto found = Find(m_root + "\\*");
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found["."], (Entry{true, true, 0, m_root + "\\."}));
    EXPECT_TRUE(found[".."].dots);
    EXPECT_EQ(found["sub"], (Entry{true, false, 0, m_root + "\\sub"}));
    EXPECT_EQ(found["a.txt"], (Entry{false, false, 3, m_root + "\\a.txt"}));
    EXPECT_EQ(found["b.dat"], (Entry{false, false, 0, m_root + "\\b.dat"}));
}

TEST_F(FileFind, MatchesPatternsAndFindsNothingGracefully) {
    auto found = Find(m_root + "\\*.txt");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.begin()->first, "a.txt");
    EXPECT_TRUE(Find(m_root + "\\missing\\*").empty());
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile(nullptr));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(finder.GetFileName(), "");
}

} // namespace
