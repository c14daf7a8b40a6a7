// A program for the tests of program launches. It records how it was started and ends as told:
//
//   launch_recorder.exe <record file> <exit code> [until <file> | forever]
//
// writes its command line and its process id, one per line, to the record file, sets the event
// named "vqtr_recorded_" + the record file's name (when a test made one), then exits with the
// exit code at once, once <file> exists, or never. Started with no arguments (as a CD's
// setup.exe) it writes its command line to its own path + ".cmdline" and exits with 0.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
bool WriteRecord(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::fprintf(file, "%s\n%lu\n", ::GetCommandLineA(), ::GetCurrentProcessId());
    return std::fclose(file) == 0;
}

void SignalRecorded(const std::string& recordPath) {
    std::string::size_type slash = recordPath.find_last_of("\\/");
    std::string name =
        "vqtr_recorded_" + recordPath.substr(slash == std::string::npos ? 0 : slash + 1);
    HANDLE event = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str());
    if (event) {
        ::SetEvent(event);
        ::CloseHandle(event);
    }
}

bool Exists(const char* path) {
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        char self[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        return WriteRecord(std::string(self) + ".cmdline") ? 0 : 1;
    }
    std::string record = argv[1];
    int exitCode = argc > 2 ? std::atoi(argv[2]) : 0;
    if (!WriteRecord(record))
        return 1;
    SignalRecorded(record);
    std::string mode = argc > 3 ? argv[3] : "";
    if (mode == "forever") {
        for (;;)
            ::Sleep(INFINITE);
    }
    if (mode == "until" && argc > 4) {
        while (!Exists(argv[4]))
            ::Sleep(10);
    }
    return exitCode;
}
