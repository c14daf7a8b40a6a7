// Temporary files and environment variables for the utility library's tests: each restores what
// it changed when it goes.
#pragma once

#include "TestEnvironment.h"

namespace utiltest {

using testing_support::ScopedEnvironment;
using testing_support::TempFile;

// Sets the file's last-write time to a fixed moment plus seconds.
void SetWriteTime(const TempFile& file, int seconds);

} // namespace utiltest
