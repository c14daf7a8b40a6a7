#include "Environment.h"

#include <windows.h>

namespace vqtr::util {

std::string ReadEnvironment(const char* name) {
    std::string value(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length); // 0 also when the variable is not set
            return value;
        }
        value.resize(length); // the size asked for, terminator included
    }
}

std::string LibraryFolder() {
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&LibraryFolder), &self))
        return {};
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(self, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.erase(path.find_last_of('\\') + 1); // npos + 1 == 0: no folder at all
    return path;
}

} // namespace vqtr::util
