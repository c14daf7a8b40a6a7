#include "UtilTestSupport.h"

#include "Handles.h"

#include <gtest/gtest.h>

namespace utiltest {

void SetWriteTime(const TempFile& file, int seconds) {
    CHandle handle(CreateFileA(file.Path(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(handle.IsValid()) << file.Path();
    ULARGE_INTEGER time;
    time.QuadPart = 133000000000000000ull + seconds * 10000000ull; // a day in 2022
    FILETIME written{time.LowPart, time.HighPart};
    EXPECT_TRUE(SetFileTime(handle, nullptr, nullptr, &written));
}

} // namespace utiltest
