// A stand-in for an accompanying application's installer: it appends its whole command line, one
// line, to the file named by VQTR_INSTALLER_LOG and ends. Its own file name says how: a name
// with "fail" ends with exit code 3; a name with "wait" runs until the event named by
// VQTR_INSTALLER_RELEASE is set (the test holds the wait open to look at it); any other ends
// with 0. It is linked statically: the tests copy it onto the setup CD, away from the runtime.
#include <windows.h>

#include <cstring>

namespace {
void Record() {
    char path[MAX_PATH] = {};
    if (!::GetEnvironmentVariableA("VQTR_INSTALLER_LOG", path, sizeof path))
        return;
    HANDLE log = ::CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return;
    const char* line = ::GetCommandLineA();
    DWORD written = 0;
    ::WriteFile(log, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
    ::WriteFile(log, "\r\n", 2, &written, nullptr);
    ::CloseHandle(log);
}

bool NameHas(const char* word) {
    char name[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, name, sizeof name);
    ::CharLowerA(name);
    const char* file = std::strrchr(name, '\\');
    return std::strstr(file ? file : name, word) != nullptr;
}

void WaitForRelease() {
    char event[MAX_PATH] = {};
    if (!::GetEnvironmentVariableA("VQTR_INSTALLER_RELEASE", event, sizeof event))
        return;
    HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, event);
    if (!release)
        return;
    ::WaitForSingleObject(release, INFINITE);
    ::CloseHandle(release);
}
} // namespace

int main() {
    Record();
    if (NameHas("wait"))
        WaitForRelease();
    return NameHas("fail") ? 3 : 0;
}
