#include "window_core.h"

#include <utility>

#include "accessible_names.h"

namespace zephyrod::win32 {

// WM_CREATE: the design's controls, the icons at the window's DPI, and the
// window's name for a screen reader where its design gives one.
void CreateContents(HWND window, WindowCore& core) {
    core.fonts.Rescale(WindowDpi(window));
    CreateControls(window, core.design, core.fonts);
    SetProgramIcons(window, core.icons, core.fonts.dpi());
    if (!core.design.accessibleName.empty()) {
        SetAccessibleName(window, core.design.accessibleName);
    }
}

// WM_DPICHANGED: the controls moved and re-fonted and the icons replaced for
// the new DPI, and the window moved to the rectangle Windows suggests. Where
// Windows asked the window its size at that DPI first (per monitor v2), the
// rectangle has that size; where it did not (per monitor v1: Windows 8.1,
// early Windows 10), it is the old size scaled, frame and menu bar included,
// and the window takes its own size at the suggested place.
void FollowDpi(HWND window, WindowCore& core, int dpi, const RECT& suggested) {
    core.fonts.Rescale(dpi);
    PlaceControls(window, core.design, core.fonts);
    SetProgramIcons(window, core.icons, core.fonts.dpi());
    SIZE size{suggested.right - suggested.left, suggested.bottom - suggested.top};
    if (std::exchange(core.sizeAskedAtDpi, 0) != dpi) {
        size = ScaledSize(window, core.design, dpi);
    }
    SetWindowPos(window, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// WM_ACTIVATE: remembers the focused control when the window goes inactive
// and gives it back (or the first control in tab order) when it is active.
void KeepFocusOnActivate(HWND window, WindowCore& core, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) {
            core.lastFocus = focus;
        }
        return;
    }
    HWND target = core.lastFocus;
    if (target == nullptr || !IsWindow(target)) {
        target = GetNextDlgTabItem(window, nullptr, FALSE);
    }
    if (target != nullptr) {
        SetFocus(target);
    }
}

// WM_NCDESTROY: the window's own name for a screen reader cleared.
void ForgetWindowName(HWND window, const design::WindowDesign& design) {
    if (!design.accessibleName.empty()) {
        ForgetAccessibleName(window);
    }
}

}  // namespace zephyrod::win32
