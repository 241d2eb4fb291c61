// A program window that owns a typed state: created with it, handing it to
// its window procedure, which takes the steps every window takes and frees
// the state after the window's last message.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "handles.h"
#include "window_class.h"
#include "window_core.h"
#include "window_design.h"

namespace zephyrod::win32 {

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

}  // namespace zephyrod::win32
