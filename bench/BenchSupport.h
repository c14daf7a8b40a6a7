// What the benchmark programs share: a host loop's pass over the queue, a clock, the median.
#pragma once

#include "MessageQueue.h"
#include "qor.h"

#include <algorithm>
#include <vector>

namespace bench {

// Dispatches every queued message as a host loop does, offering it to the module first.
inline void PumpPending() {
    DispatchWaitingMessages(kAllWaitingMessages, &QORFilterDllMsg);
}

// Milliseconds since an arbitrary start.
inline double Now() {
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A dialog procedure that does nothing: the floors build windows with Win32 alone.
inline INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

} // namespace bench
