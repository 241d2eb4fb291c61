// What the three windows share: their class, border, size, place, icon and
// the keyboard focus they return to when activated again.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "dpi.h"
#include "window_design.h"

namespace zephyrod::win32 {

// The state every window of the program keeps: its design, its fonts at its
// DPI and the control that last had the focus.
struct WindowCore {
    WindowCore(const design::WindowDesign& windowDesign, int dpi)
        : design(windowDesign), fonts(dpi) {}
    const design::WindowDesign& design;
    FontSet fonts;
    HWND lastFocus = nullptr;
};

// "Zephyrod.frmMain" and so on: how the program's windows are recognised.
std::wstring WindowClassName(const design::WindowDesign& design);

// Registers the window class of `design` (once per process).
void RegisterWindowClass(const design::WindowDesign& design, WNDPROC procedure);

// Whether `window` is a top-level window of this program.
bool IsProgramWindow(HWND window);

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};
FrameStyle FrameStyleFor(design::Border border);

// Creates the (hidden) window of `design`; `state` becomes its state, which
// its window procedure stores on WM_NCCREATE (StoreState) and reads back
// with StateOf. The client area has the design's size, and the window lies
// where its start position says.
HWND CreateProgramWindow(const design::WindowDesign& design, HWND owner, HMENU menu, void* state);

// The state passed to CreateProgramWindow, once WM_NCCREATE has stored it.
void* StateOf(HWND window);
// Stores the state from WM_NCCREATE's CREATESTRUCT.
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

// The program's icon (IDI_ICON1) as the window's big and small icon.
void SetProgramIcon(HWND window);
HICON ProgramIcon(int size);

// WM_ACTIVATE: remembers the focused control when the window goes inactive
// and gives it back (or the first control in tab order) when it is active.
void KeepFocusOnActivate(HWND window, WindowCore& core, WPARAM wParam);

}  // namespace zephyrod::win32
