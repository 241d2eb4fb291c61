#include "window_size.h"

#include "dpi.h"

namespace zephyrod::win32 {

SIZE ScaledSize(HWND window, const design::WindowDesign& design, int dpi) {
    const int width = design::Pixels(design.clientWidth, dpi);
    const int height = design::Pixels(design.clientHeight, dpi);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const RECT outer =
        OuterRect(RECT{0, 0, width, height}, style, exStyle, GetMenu(window) != nullptr, dpi);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

void SizeClientToDesign(HWND window, const design::WindowDesign& design) {
    const int dpi = WindowDpi(window);
    const int width = design::Pixels(design.clientWidth, dpi);
    const int height = design::Pixels(design.clientHeight, dpi);
    const SIZE outer = ScaledSize(window, design, dpi);
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar may take more rows than the estimate: correct by what the
    // client area really got.
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT client{};
        GetClientRect(window, &client);
        const int missingWidth = width - client.right;
        const int missingHeight = height - client.bottom;
        if (missingWidth == 0 && missingHeight == 0) {
            return;
        }
        RECT current{};
        GetWindowRect(window, &current);
        SetWindowPos(window, nullptr, 0, 0, current.right - current.left + missingWidth,
                     current.bottom - current.top + missingHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace zephyrod::win32
