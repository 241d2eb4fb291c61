// What the three windows share: their class, border, size, place, icon and
// the keyboard focus they return to when activated again.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "dpi.h"
#include "program_icon.h"
#include "window_design.h"

namespace zephyrod::win32 {

// The state every window of the program keeps: its design, its fonts and
// icons at its DPI and the control that last had the focus.
struct WindowCore {
    WindowCore(const design::WindowDesign& windowDesign, int dpi)
        : design(windowDesign), fonts(dpi) {}
    const design::WindowDesign& design;
    FontSet fonts;
    OwnedIcon bigIcon;
    OwnedIcon smallIcon;
    HWND lastFocus = nullptr;
};

// "Zephyrod.frmMain" and so on: how the program's windows are recognised.
std::wstring WindowClassName(const design::WindowDesign& design);

// Registers the window class of `design` (once per process).
void RegisterWindowClass(const design::WindowDesign& design, WNDPROC procedure);

// Whether `window` is a top-level window of this program.
bool IsProgramWindow(HWND window);
// Whether `window` is a window of this program built from `design`.
bool IsWindowOf(HWND window, const design::WindowDesign& design);

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};
FrameStyle FrameStyleFor(design::Border border);

// What CreateProgramWindow hands to the window procedure: the window's state,
// which WM_NCCREATE stores (StoreState), and whether it did.
struct StateHandOver {
    void* state;
    bool taken = false;
};

// Creates the (hidden) window of `design` with the state of `handOver`,
// which its window procedure stores on WM_NCCREATE and reads back with
// StateOf. The client area has the design's size, and the window lies
// where its start position says.
HWND CreateProgramWindow(const design::WindowDesign& design, HWND owner, HMENU menu,
                         StateHandOver& handOver);

// Creates a window of `design` whose procedure is a StatefulProcedure of
// `State`. From WM_NCCREATE on the window owns its state and its menu and
// frees them with itself, a creation that fails later included; where the
// creation fails before, both are freed here.
template <class State>
HWND CreateStatefulWindow(const design::WindowDesign& design, HWND owner, HMENU menu,
                          std::unique_ptr<State> state) {
    StateHandOver handOver{state.get()};
    HWND window = CreateProgramWindow(design, owner, menu, handOver);
    if (handOver.taken) {
        static_cast<void>(state.release());
    } else if (menu != nullptr) {
        DestroyMenu(menu);
    }
    return window;
}

// The state of a window made by CreateStatefulWindow, once WM_NCCREATE has
// stored it.
void* StateOf(HWND window);
// Stores the state handed over in WM_NCCREATE's CREATESTRUCT.
void StoreState(HWND window, LPARAM createStruct);

// The window procedure of a program window whose state is a `State`:
// stores the state on WM_NCCREATE, hands each message to `Handle`, which
// returns a result where it handled the message (nullopt: the default
// procedure's), and frees the state after the window's last message.
template <class State, std::optional<LRESULT> (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK StatefulProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        StoreState(window, lParam);
    }
    auto* state = static_cast<State*>(StateOf(window));
    if (state == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const std::optional<LRESULT> result = Handle(window, *state, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete state;
    } else if (result) {
        return *result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Makes the client area the design's size at the window's DPI, whatever
// the frame and the menu bar take (a wrapped menu bar included).
void SizeClientToDesign(HWND window, const design::WindowDesign& design);

// Places the window as its design says: centred on the screen's working
// area or over its owner, whole (title bar included) inside the working
// area where it fits, its top-left corner always on the screen.
void PlaceWindow(HWND window, const design::WindowDesign& design, HWND owner);

// The program's icon as the window's big and small icon, at the sizes for
// the font set's DPI; the icons of the DPI before are destroyed.
void SetProgramIcons(HWND window, WindowCore& core);

// WM_CREATE: the design's controls and the icons at the window's DPI.
void CreateContents(HWND window, WindowCore& core);

// WM_DPICHANGED: the controls moved and re-fonted and the icons replaced
// for the new DPI.
void FollowDpi(HWND window, WindowCore& core, int dpi);

// WM_ACTIVATE: remembers the focused control when the window goes inactive
// and gives it back (or the first control in tab order) when it is active.
void KeepFocusOnActivate(HWND window, WindowCore& core, WPARAM wParam);

}  // namespace zephyrod::win32
