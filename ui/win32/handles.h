// Holders for the Windows handles the program makes: each one frees its
// handle the way Windows wants it freed, once, when the holder goes.
#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <objbase.h>

#include <memory>
#include <type_traits>

namespace zephyrod::win32 {

// A handle type's holder: a unique_ptr whose pointer is the handle itself.
template <class Handle, auto Free>
struct HandleFreer {
    using pointer = Handle;
    void operator()(Handle handle) const { Free(handle); }
};
template <class Handle, auto Free>
using Holder = std::unique_ptr<std::remove_pointer_t<Handle>, HandleFreer<Handle, Free>>;

inline void DeleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void DestroyMenuHandle(HMENU menu) {
    DestroyMenu(menu);
}
inline void DestroyIconHandle(HICON icon) {
    DestroyIcon(icon);
}
inline void FreeGlobal(HGLOBAL memory) {
    GlobalFree(memory);
}
inline void DestroyAcceleratorHandle(HACCEL table) {
    DestroyAcceleratorTable(table);
}

using BrushHolder = Holder<HBRUSH, DeleteGdiObject>;
using PenHolder = Holder<HPEN, DeleteGdiObject>;
using FontHolder = Holder<HFONT, DeleteGdiObject>;
using MenuHolder = Holder<HMENU, DestroyMenuHandle>;
using IconHolder = Holder<HICON, DestroyIconHandle>;
using AcceleratorHolder = Holder<HACCEL, DestroyAcceleratorHandle>;
using GlobalHolder = Holder<HGLOBAL, FreeGlobal>;

// A COM interface pointer, released when the holder goes.
struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using ComHolder = std::unique_ptr<Interface, ComReleaser>;

// A window's device context (none: the screen's), released when the holder
// goes.
class WindowDc {
  public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context; the one it replaced goes back
// when the selection goes.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, old_); }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// COM on this thread (single-threaded apartment) for the holder's life,
// where it could be started.
class ComApartment {
  public:
    ComApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (started_) {
            CoUninitialize();
        }
    }

  private:
    bool started_;
};

}  // namespace zephyrod::win32
