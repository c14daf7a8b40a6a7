// vqtrwupd.exe: the printer software's web-update program as the simulated printer installs it.
// It looks for nothing on the web; it ends as its command line tells, so that the module's
// update path runs for real:
//
//   vqtrwupd.exe [/exit:N] [/lang:NAME]
//
// ends with exit code N (default 0: nothing was installed; 1: an update was installed and the
// printer assistant must close). When the environment variable VQTR_WEBUPDATE_RECORD names a
// file, the command line is written to it first.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    char record[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("VQTR_WEBUPDATE_RECORD", record, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        if (FILE* file = std::fopen(record, "wb")) {
            std::fprintf(file, "%s\n", ::GetCommandLineA());
            std::fclose(file);
        }
    }
    int exitCode = 0;
    for (int index = 1; index < argc; ++index)
        if (std::strncmp(argv[index], "/exit:", 6) == 0)
            exitCode = std::atoi(argv[index] + 6);
    return exitCode;
}
