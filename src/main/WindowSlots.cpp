#include "WindowSlots.h"

namespace {
constexpr WindowId kDeletionOrder[] = {
    kFaxDialog,    kSuppliesDialog, kCleanSheet,      kTestPageDialog,        kPaperQualityDialog,
    kInstallSheet, kTankSheet2,     kTankSheet1,      kCartVerificationSheet, kAlignSheet,
    kPageSheet,    kLowInkDialog,   kServiceTagDialog};
constexpr WindowId kSubWindows[] = {kSuppliesDialog,  kCartVerificationSheet,
                                    kInstallSheet,    kTankSheet2,
                                    kAlignSheet,      kCleanSheet,
                                    kTankSheet1,      kLowInkDialog,
                                    kServiceTagDialog};
} // namespace

CWnd* WindowSlots::Get(WindowId id) const {
    return id > 0 && id < kSlotCount ? m_slots[id].get() : nullptr;
}

void WindowSlots::Set(WindowId id, std::unique_ptr<CWnd> object) {
    if (id > 0 && id < kSlotCount)
        m_slots[id] = std::move(object);
}

void WindowSlots::Delete(WindowId id) {
    if (id > 0 && id < kSlotCount) {
        // Clear the slot before the object goes, so that a shutdown check run while it is
        // being deleted no longer counts it.
        std::unique_ptr<CWnd> object = std::move(m_slots[id]);
    }
}

void WindowSlots::DeleteAll() {
    for (WindowId id : kDeletionOrder)
        Delete(id);
}

void WindowSlots::DestroyWindows() {
    for (WindowId id : kDeletionOrder)
        if (CWnd* object = m_slots[id].get(); object && object->IsWindow())
            object->DestroyWindow();
}

bool WindowSlots::IsOpen(WindowId id) const {
    if (!IsTracked(id))
        return false;
    const CWnd* object = m_slots[id].get();
    if (!object)
        return false;
    if (id == kSuppliesDialog || id == kLowInkDialog || id == kServiceTagDialog)
        return true;
    return object->IsWindow();
}

bool WindowSlots::AnyOpenExcept(WindowId id) const {
    for (WindowId slot : kDeletionOrder)
        if (slot != id && IsOpen(slot))
            return true;
    return false;
}

bool WindowSlots::HoldsAnySubWindow() const {
    for (WindowId slot : kSubWindows)
        if (m_slots[slot])
            return true;
    return false;
}
