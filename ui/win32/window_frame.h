// What the three windows share: their class, border, size, place, icon,
// the keyboard focus they return to when activated again, and the steps
// every one of them takes on WM_CREATE, WM_ACTIVATE and a DPI change.
#pragma once

#include <windows.h>

#include <concepts>
#include <memory>
#include <optional>
#include <string>

#include "dpi.h"
#include "handles.h"
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
    IconHolder bigIcon;
    IconHolder smallIcon;
    HWND lastFocus = nullptr;
    // The DPI Windows last asked the window's size for (WM_GETDPISCALEDSIZE,
    // per monitor v2 only), until the DPI change that follows.
    int sizeAskedAtDpi = 0;
};

// The state of a program window: its design (which names its class), its
// core, and what it does once its controls exist (false: its creation
// fails). It may add a step of its own to a DPI change, FollowedDpi, taken
// after the window has moved to the rectangle Windows suggests.
template <class State>
concept WindowState = requires(State& state, HWND window) {
    { State::Design() } -> std::same_as<const design::WindowDesign&>;
    requires std::same_as<decltype(state.core), WindowCore>;
    { state.Load(window) } -> std::same_as<bool>;
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
HWND CreateStatefulWindow(const design::WindowDesign& design, HWND owner, MenuHolder menu,
                          std::unique_ptr<State> state) {
    StateHandOver handOver{state.get()};
    HWND window = CreateProgramWindow(design, owner, menu.get(), handOver);
    if (handOver.taken) {
        static_cast<void>(state.release());
        static_cast<void>(menu.release());
    }
    return window;
}

// Whether `window` is a window of this process: only those carry a state
// this process can read.
bool IsOwnWindow(HWND window);
// The state WM_NCCREATE stored, unchecked: for StateOf.
void* StoredState(HWND window);
// Stores the state handed over in WM_NCCREATE's CREATESTRUCT.
void StoreState(HWND window, LPARAM createStruct);

// The state of a window of this process made by CreateStatefulWindow with a
// `State`, once WM_NCCREATE has stored it; null for a window of any other
// class (another of the program's windows, a control, a window of another
// process), whose state is something else or nothing.
template <WindowState State>
State* StateOf(HWND window) {
    if (!IsOwnWindow(window) || !IsWindowOf(window, State::Design())) {
        return nullptr;
    }
    return static_cast<State*>(StoredState(window));
}

// The steps every window takes, written once: see CoreMessage.
void CreateContents(HWND window, WindowCore& core);
void KeepFocusOnActivate(HWND window, WindowCore& core, WPARAM wParam);
SIZE ScaledSize(HWND window, const design::WindowDesign& design, int dpi);
void FollowDpi(HWND window, WindowCore& core, int dpi, const RECT& suggested);

// The messages every program window handles alike: WM_CREATE (the design's
// controls and icons, then the window's Load), WM_ACTIVATE (the focus kept),
// WM_GETDPISCALEDSIZE (the size the window takes at a new DPI) and
// WM_DPICHANGED (fonts, controls and icons at the new DPI, the window moved
// to the rectangle Windows suggests, then the window's own FollowedDpi).
// nullopt for any other message.
template <WindowState State>
std::optional<LRESULT> CoreMessage(HWND window, State& state, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateContents(window, state.core);
            return state.Load(window) ? 0 : -1;
        case WM_ACTIVATE:
            KeepFocusOnActivate(window, state.core, wParam);
            return 0;
        case WM_GETDPISCALEDSIZE:
            *reinterpret_cast<SIZE*>(lParam) =
                ScaledSize(window, state.core.design, static_cast<int>(wParam));
            state.core.sizeAskedAtDpi = static_cast<int>(wParam);
            return TRUE;
        case WM_DPICHANGED:
            FollowDpi(window, state.core, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            if constexpr (requires { state.FollowedDpi(window); }) {
                state.FollowedDpi(window);
            }
            // Lines and the face are drawn at the new DPI.
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        default:
            return std::nullopt;
    }
}

// The window procedure of a program window whose state is a `State`:
// stores the state on WM_NCCREATE, takes the steps every window takes
// (CoreMessage), hands every other message to `Handle`, which returns a
// result where it handled the message (nullopt: the default procedure's),
// and frees the state after the window's last message.
template <WindowState State, std::optional<LRESULT> (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK StatefulProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        StoreState(window, lParam);
    }
    State* state = StateOf<State>(window);
    if (state == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    std::optional<LRESULT> result = CoreMessage(window, *state, message, wParam, lParam);
    if (!result) {
        result = Handle(window, *state, message, wParam, lParam);
    }
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

}  // namespace zephyrod::win32
