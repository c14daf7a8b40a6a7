// The soak: the module driven by a long run of random operations with hostile values (unknown ids,
// levels out of range, null records and alert bytes, odd topics, status updates, window messages
// to its windows, closes and restarts), all in this process. A crash ends the process with the
// exception's code after a line that names the operation and the seed; a hang is ended by a
// watchdog thread in the same way; a breach of the request protocol, an exception or a window
// that outlives the module is counted as a failure and the run goes on.
#pragma once

#include "ModuleHost.h"
#include "Profile.h"

#include <functional>
#include <string>

struct SoakSettings {
    int operations = 1000;
    unsigned seed = 1;
    // One operation that takes longer than this is a hang.
    DWORD hangMilliseconds = 20000;
    // A help file to show every help request in the system's viewer (empty: none is shown).
    std::string helpFile;
    // Told of each operation as it starts, with what it does ("window message: 0x0201 to ...").
    std::function<void(const std::string&)> log;
};

// Runs the soak on the host's printer; prints "soak: N operations, F failures" at the end.
// Returns the exit code: 0 without failures, 1 with.
int RunSoak(ModuleHost& host, const Profile& profile, const SoakSettings& settings);
