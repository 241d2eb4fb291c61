// What every program window keeps and the steps every one of them takes,
// written once: on WM_CREATE, WM_ACTIVATE, a DPI change and as it goes.
#pragma once

#include <windows.h>

#include <concepts>
#include <optional>

#include "controls.h"
#include "dpi.h"
#include "program_icon.h"
#include "window_design.h"
#include "window_size.h"

namespace zephyrod::win32 {

// The state every window of the program keeps: its design, its fonts and
// icons at its DPI and the control that last had the focus.
struct WindowCore {
    WindowCore(const design::WindowDesign& windowDesign, int dpi)
        : design(windowDesign), fonts(dpi) {}
    const design::WindowDesign& design;
    FontSet fonts;
    WindowIcons icons;
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

// The steps, each on its message: see CoreMessage.
void CreateContents(HWND window, WindowCore& core);
void KeepFocusOnActivate(HWND window, WindowCore& core, WPARAM wParam);
void FollowDpi(HWND window, WindowCore& core, int dpi, const RECT& suggested);
void ForgetWindowName(HWND window, const design::WindowDesign& design);

// The messages every program window handles alike: WM_CREATE (the design's
// controls, icons and names for a screen reader, then the window's Load),
// WM_ACTIVATE (the focus kept), WM_GETDPISCALEDSIZE (the size the window
// takes at a new DPI) and WM_DPICHANGED (fonts, controls and icons at the
// new DPI, the window moved to the rectangle Windows suggests, then the
// window's own FollowedDpi). On WM_DESTROY and WM_NCDESTROY it clears the
// names for a screen reader (the controls' while they exist, the window's
// last) and leaves the rest to the window: nullopt, as for any other
// message.
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
        case WM_DESTROY:
            ForgetControlNames(window, state.core.design);
            return std::nullopt;
        case WM_NCDESTROY:
            ForgetWindowName(window, state.core.design);
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace zephyrod::win32
