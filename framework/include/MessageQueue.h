// One pass over the thread's message queue, as every loop of the module, its host, its tests and
// its benchmarks runs it between waits.
#pragma once

#include "FrameworkApi.h"

#include <climits>
#include <windows.h>

// Offered each message before it is translated and dispatched; TRUE when it took the message.
using MessageFilter = BOOL (*)(MSG* msg);

// What a pass does with the thread's quit message, which it never dispatches: it belongs to the
// loop that owns the thread.
enum class QuitMessage {
    EndPass, // posted again at once, and the pass ends there
    Hold,    // kept in the pass's result while the pass goes on, for a caller that posts it again
             // once its own wait is over
};

struct CMessagePass {
    int taken = 0; // messages taken off the queue, a quit message included
    bool quit = false;
    WPARAM quitCode = 0;
};

constexpr int kAllWaitingMessages = INT_MAX;

// Dispatches up to `limit` of the thread's waiting messages, each offered first to `filter` (the
// windows' PreTranslateMessage when none is given). C linkage, so that a program that loads the
// framework only at run time, as a host loads the module, finds it by name.
extern "C" VQTRG_API CMessagePass DispatchWaitingMessages(int limit = kAllWaitingMessages,
                                                          MessageFilter filter = nullptr,
                                                          QuitMessage quit = QuitMessage::EndPass);
