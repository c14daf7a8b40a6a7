// Pictures that many windows show at once. Every control of the module that shows a picture of
// the resource module holds it through a CSharedBitmap: the picture is loaded once, however many
// controls and pages show it, and deleted when the last holder lets it go (when the windows that
// show it close), so nothing of it outlives the module's windows.
#pragma once

#include "FrameworkApi.h"
#include "Gdi.h"

#include <memory>
#include <windows.h>

class VQTRG_API CSharedBitmap {
public:
    CSharedBitmap() = default;
    // Takes over a bitmap made by the caller; the copies of this holder share it.
    explicit CSharedBitmap(HBITMAP owned);
    ~CSharedBitmap();
    CSharedBitmap(const CSharedBitmap& other);
    CSharedBitmap& operator=(const CSharedBitmap& other);
    CSharedBitmap(CSharedBitmap&& other) noexcept;
    CSharedBitmap& operator=(CSharedBitmap&& other) noexcept;

    // The picture of the current resource module, shared with every other holder of it; false
    // (and no picture) when the module lacks it.
    bool Load(UINT id);
    void Release();

    operator HBITMAP() const { return Get(); }
    HBITMAP Get() const;
    bool IsValid() const { return Get() != nullptr; }
    // Width and height in pixels; 0 x 0 without a picture.
    SIZE GetSize() const { return CBitmapHandle(Get()).GetSize(); }

    // How many pictures of resource modules are loaded now, over all holders.
    static size_t LoadedCount();

private:
    std::shared_ptr<const CBitmap> m_bitmap;
};
