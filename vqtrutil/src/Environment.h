// Process facts the utility library reads on its own behalf: environment variables and the folder
// that vqtrutil.dll was loaded from.
#pragma once

#include <string>

namespace vqtr::util {

// The value of an environment variable of the process (set with SetEnvironmentVariableA); empty
// when it is not set.
std::string ReadEnvironment(const char* name);

// The folder of vqtrutil.dll, ending with a backslash.
std::string LibraryFolder();

} // namespace vqtr::util
