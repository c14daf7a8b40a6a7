// The main object's slots: one per wizard or dialog it can open, each with its window id. The
// shutdown check asks them whether any window other than the closing one is still open.
#pragma once

#include "Wnd.h"

#include <array>
#include <memory>

enum WindowId {
    kNoWindow = 0,
    kSuppliesDialog = 2,
    kCartVerificationSheet = 3,
    kPageSheet = 4,
    kInstallSheet = 5,
    kTankSheet2 = 6,
    kAlignSheet = 7,
    kCleanSheet = 8,
    kTankSheet1 = 9,
    kTestPageDialog = 10,
    kPaperQualityDialog = 11,
    kLowInkDialog = 12,
    kServiceTagDialog = 13,
    // The prompt for application 1's CD that topic 411 opens: no window id the host knows, but a
    // slot, so that the module's close ends its loop.
    kFaxDialog = 14,
};

class WindowSlots {
public:
    WindowSlots() = default;
    WindowSlots(const WindowSlots&) = delete;
    WindowSlots& operator=(const WindowSlots&) = delete;
    ~WindowSlots() { DeleteAll(); }

    CWnd* Get(WindowId id) const;
    template <class T> T* GetAs(WindowId id) const { return static_cast<T*>(Get(id)); }
    // Stores an object in its slot; the slot owns it. An object already there is deleted.
    void Set(WindowId id, std::unique_ptr<CWnd> object);
    // Deletes the object of a slot (its window goes with it).
    void Delete(WindowId id);
    // Deletes every object in the order that lets each one end cleanly: dialogs that report to
    // other windows first, the page sheet in the middle, the low-ink dialogs last.
    void DeleteAll();
    // Closes the windows of every slot, in the same order, and keeps the objects.
    void DestroyWindows();

    // Whether the slot's window counts as open: the supplies, low-ink and service-tag dialogs by
    // their object alone, the others by object and window.
    bool IsOpen(WindowId id) const;
    bool AnyOpenExcept(WindowId id) const;
    // Whether any slot other than the page sheet holds an object (a wizard or dialog of its own).
    bool HoldsAnySubWindow() const;

private:
    static constexpr int kSlotCount = 15;
    static bool IsTracked(WindowId id) {
        return id > 0 && id < kSlotCount && id != kPaperQualityDialog && id != kFaxDialog;
    }
    std::array<std::unique_ptr<CWnd>, kSlotCount> m_slots;
};
