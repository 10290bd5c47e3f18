#pragma once

#include <windows.h>
#include <commctrl.h>
#include <utility>

namespace typ::win {

// Sole owner of a platform handle, freed with `Free` when the owner goes or
// takes another handle. A null handle is owned by nobody.
template <typename THandle, auto Free> class THandleOwner {
public:
    THandleOwner() = default;
    explicit THandleOwner(THandle handle) noexcept : FHandle(handle) {}
    ~THandleOwner() { Reset(); }
    THandleOwner(THandleOwner&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    THandleOwner& operator=(THandleOwner&& other) noexcept {
        Reset(std::exchange(other.FHandle, nullptr));
        return *this;
    }
    THandleOwner(const THandleOwner&) = delete;
    THandleOwner& operator=(const THandleOwner&) = delete;

    THandle Get() const noexcept { return FHandle; }
    explicit operator bool() const noexcept { return FHandle != nullptr; }
    void Reset(THandle handle = nullptr) noexcept {
        if (FHandle != nullptr && FHandle != handle)
            Free(FHandle);
        FHandle = handle;
    }

private:
    THandle FHandle = nullptr;
};

// One owner per handle kind.
using TOwnedFont = THandleOwner<HFONT, &DeleteObject>;
using TOwnedBitmap = THandleOwner<HBITMAP, &DeleteObject>;
using TOwnedBrush = THandleOwner<HBRUSH, &DeleteObject>;
using TOwnedPen = THandleOwner<HPEN, &DeleteObject>;
// A device context of CreateDCW or CreateCompatibleDC (not of GetDC).
using TOwnedDc = THandleOwner<HDC, &DeleteDC>;
using TOwnedMenu = THandleOwner<HMENU, &DestroyMenu>;
using TOwnedAccelerators = THandleOwner<HACCEL, &DestroyAcceleratorTable>;
using TOwnedIcon = THandleOwner<HICON, &DestroyIcon>;
using TOwnedImageList = THandleOwner<HIMAGELIST, &ImageList_Destroy>;

} // namespace typ::win
