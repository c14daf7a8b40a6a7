// Driving windows in tests: run the queued messages through the framework's keyboard filter
// (DispatchWaitingMessages), and act on dialogs as they are created (for modal loops).
#pragma once

#include "DialogHook.h"
#include "MessageQueue.h"
#include "Wnd.h"

#include <functional>
#include <windows.h>

namespace testing_support {

// Acts on each top-level dialog of this thread as it is created.
class CDialogCreationHook : public CDialogHook {
public:
    explicit CDialogCreationHook(std::function<void(HWND)> action)
        : CDialogHook(kCreated, std::move(action)) {}
};

} // namespace testing_support
