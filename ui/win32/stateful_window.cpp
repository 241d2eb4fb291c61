#include "stateful_window.h"

#include "frame_style.h"
#include "win_text.h"
#include "window_placement.h"
#include "window_size.h"

namespace zephyrod::win32 {

HWND CreateProgramWindow(const design::WindowDesign& design, HWND owner, HMENU menu,
                         StateHandOver& handOver) {
    const FrameStyle frame = FrameStyleFor(design.border);
    HWND window = CreateWindowExW(frame.exStyle, WindowClassName(design).c_str(),
                                  Widen(design.caption).c_str(), frame.style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, menu,
                                  GetModuleHandleW(nullptr), &handOver);
    if (window == nullptr) {
        return nullptr;
    }
    SizeClientToDesign(window, design);
    PlaceWindow(window, design, owner);
    return window;
}

bool IsOwnWindow(HWND window) {
    DWORD process = 0;
    return GetWindowThreadProcessId(window, &process) != 0 && process == GetCurrentProcessId();
}

void* StoredState(HWND window) {
    return reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void StoreState(HWND window, LPARAM createStruct) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createStruct);
    auto* handOver = static_cast<StateHandOver*>(create->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(handOver->state));
    handOver->taken = true;
}

}  // namespace zephyrod::win32
