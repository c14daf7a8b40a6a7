// Pictures shared by the controls that show them: one load per picture of a resource module,
// valid while any holder holds it, gone with the last.
#include "Gdi.h"
#include "Handles.h"
#include "Module.h"
#include "SharedBitmap.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {
// Two pictures of the resource module (the page button's two faces).
constexpr UINT kButtonUp = 6331;
constexpr UINT kButtonDown = 6332;

class SharedBitmapTest : public testing::Test {
protected:
    void SetUp() override {
        resources.Attach(::LoadLibraryA("vqtrqorr.dll"));
        ASSERT_TRUE(resources.IsValid());
        state.hResource = resources;
        scope.emplace(&state);
        loadedBefore = CSharedBitmap::LoadedCount();
    }
    void TearDown() override { scope.reset(); }

    CModule resources;
    CModuleState state;
    std::optional<CModuleStateScope> scope;
    size_t loadedBefore = 0;
};

bool IsBitmap(HBITMAP bitmap) {
    return ::GetObjectType(bitmap) == OBJ_BITMAP;
}
} // namespace

TEST_F(SharedBitmapTest, HoldersOfOnePictureShareOneBitmapThatLastsWhileAnyHoldsIt) {
    auto first = std::make_unique<CSharedBitmap>();
    CSharedBitmap second;
    ASSERT_TRUE(first->Load(kButtonUp));
    ASSERT_TRUE(second.Load(kButtonUp));
    HBITMAP shared = second;
    EXPECT_EQ(first->Get(), shared);
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore + 1);

    first.reset();
    ASSERT_TRUE(IsBitmap(shared));
    SIZE size = second.GetSize();
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);

    second.Release();
    EXPECT_FALSE(IsBitmap(shared));
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore);
}

TEST_F(SharedBitmapTest, AHolderTakingAnotherPictureLetsTheFirstGo) {
    CSharedBitmap holder;
    ASSERT_TRUE(holder.Load(kButtonUp));
    HBITMAP up = holder;
    ASSERT_TRUE(holder.Load(kButtonDown));
    EXPECT_NE(holder.Get(), up);
    EXPECT_FALSE(IsBitmap(up));
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore + 1);
}

TEST_F(SharedBitmapTest, AMissingPictureLeavesTheHolderEmpty) {
    CSharedBitmap holder;
    ASSERT_TRUE(holder.Load(kButtonUp));
    EXPECT_FALSE(holder.Load(60001));
    EXPECT_FALSE(holder.IsValid());
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore);
}

TEST_F(SharedBitmapTest, ACallersBitmapIsSharedByTheCopiesAndDeletedWithTheLast) {
    HBITMAP made = ::CreateBitmap(4, 4, 1, 32, nullptr);
    auto original = std::make_unique<CSharedBitmap>(made);
    CSharedBitmap copy = *original;
    EXPECT_EQ(copy.Get(), made);
    original.reset();
    EXPECT_TRUE(IsBitmap(made));
    copy = CSharedBitmap();
    EXPECT_FALSE(IsBitmap(made));
    EXPECT_EQ(CSharedBitmap::LoadedCount(), loadedBefore);
}
