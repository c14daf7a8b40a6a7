// RAII holders for kernel and registry handles: one owner each, movable, never copied, with
// explicit Attach/Detach for handles that change hands.
#pragma once

#include <utility>
#include <windows.h>

// The holder of one handle kind. Traits give the empty value, what else counts as empty and how
// the handle is released.
template <typename Traits> class CHandleT {
public:
    using HandleType = typename Traits::HandleType;

    CHandleT() = default;
    explicit CHandleT(HandleType handle) : m_handle(handle) {}
    ~CHandleT() { Close(); }
    CHandleT(const CHandleT&) = delete;
    CHandleT& operator=(const CHandleT&) = delete;
    CHandleT(CHandleT&& other) noexcept : m_handle(other.Detach()) {}
    CHandleT& operator=(CHandleT&& other) noexcept {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }

    operator HandleType() const { return m_handle; }
    HandleType Get() const { return m_handle; }
    bool IsValid() const { return Traits::IsValid(m_handle); }

    // Takes ownership of handle, releasing the one held before.
    void Attach(HandleType handle) {
        if (handle != m_handle) {
            Close();
            m_handle = handle;
        }
    }
    // Gives up ownership without releasing.
    HandleType Detach() { return std::exchange(m_handle, Traits::Empty()); }
    void Close() {
        if (IsValid())
            Traits::Release(m_handle);
        m_handle = Traits::Empty();
    }
    // For out-parameters of Win32 calls: releases what is held and returns where to write.
    HandleType* Receive() {
        Close();
        return &m_handle;
    }

private:
    HandleType m_handle = Traits::Empty();
};

namespace vqtr::detail {
struct RegistryKeyTraits {
    using HandleType = HKEY;
    static HKEY Empty() { return nullptr; }
    // Predefined root keys are never closed by a holder that happens to carry one.
    static bool IsValid(HKEY key) {
        // The root keys are small negative numbers, sign-extended in 64-bit processes.
        auto value = reinterpret_cast<ULONG_PTR>(key);
        auto firstRoot = reinterpret_cast<ULONG_PTR>(HKEY_CLASSES_ROOT);
        return key && !(value >= firstRoot && value <= firstRoot + 0xFF);
    }
    static void Release(HKEY key) { ::RegCloseKey(key); }
};
struct KernelHandleTraits {
    using HandleType = HANDLE;
    static HANDLE Empty() { return nullptr; }
    static bool IsValid(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
    static void Release(HANDLE handle) { ::CloseHandle(handle); }
};
struct FindHandleTraits {
    using HandleType = HANDLE;
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
    static void Release(HANDLE handle) { ::FindClose(handle); }
};
struct ModuleTraits {
    using HandleType = HMODULE;
    static HMODULE Empty() { return nullptr; }
    static bool IsValid(HMODULE module) { return module != nullptr; }
    static void Release(HMODULE module) { ::FreeLibrary(module); }
};
} // namespace vqtr::detail

using CHKey = CHandleT<vqtr::detail::RegistryKeyTraits>;
using CHandle = CHandleT<vqtr::detail::KernelHandleTraits>;
using CFindHandle = CHandleT<vqtr::detail::FindHandleTraits>;
using CModule = CHandleT<vqtr::detail::ModuleTraits>;
