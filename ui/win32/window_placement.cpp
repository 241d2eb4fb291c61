#include "window_placement.h"

#include "placement.h"

namespace zephyrod::win32 {
namespace {

RECT WorkArea(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

design::ScreenRect ScreenRectOf(RECT rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void PlaceWindow(HWND window, const design::WindowDesign& design, HWND owner) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    RECT centreOn{};
    switch (design.startPosition) {
        case design::StartPosition::PlatformDefault:
            return;
        case design::StartPosition::CenterOwner:
            if (owner != nullptr) {
                GetWindowRect(owner, &centreOn);
                break;
            }
            [[fallthrough]];
        case design::StartPosition::CenterScreen:
            centreOn = WorkArea(owner != nullptr ? owner : window);
            break;
    }
    const design::ScreenPoint place =
        design::CentredPlacement(width, height, ScreenRectOf(centreOn),
                                 ScreenRectOf(WorkArea(owner != nullptr ? owner : window)));
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zephyrod::win32
