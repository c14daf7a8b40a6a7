// What ends a soak that goes wrong beyond counting: while a watchdog lives, a crash prints the
// operation running and the seed to run it again, and then ends the process with the exception's
// code; an operation that does not return in time (the GUI thread is stuck) prints the same and
// the GUI thread's stack, and ends the process.
#pragma once

#include "Handles.h"

#include <windows.h>

#include <atomic>
#include <thread>

class SoakWatchdog {
public:
    SoakWatchdog(unsigned seed, int operations, DWORD hangMilliseconds);
    ~SoakWatchdog();
    SoakWatchdog(const SoakWatchdog&) = delete;
    SoakWatchdog& operator=(const SoakWatchdog&) = delete;

    // An operation starts: its time runs from now.
    void Begin(int index, const char* kind);
    // The soak ends: closing the module has its own time too.
    void End();

private:
    void Watch();

    DWORD m_limit;
    LPTOP_LEVEL_EXCEPTION_FILTER m_previousFilter = nullptr;
    CHandle m_guiThread;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
