#include "window_frame.h"

#include <algorithm>
#include <utility>

#include "controls.h"
#include "placement.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

constexpr wchar_t kClassPrefix[] = L"Zephyrod.";

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

std::wstring WindowClassName(const design::WindowDesign& design) {
    return kClassPrefix + Widen(design.name);
}

void RegisterWindowClass(const design::WindowDesign& design, WNDPROC procedure) {
    const std::wstring name = WindowClassName(design);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = SharedProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = SharedProgramIcon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    RegisterClassExW(&windowClass);
}

bool IsProgramWindow(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return std::wstring_view(name).starts_with(kClassPrefix);
}

// Without building the class name: StateOf asks this for every message.
bool IsWindowOf(HWND window, const design::WindowDesign& design) {
    wchar_t name[64] = {};
    const int length = GetClassNameW(window, name, 64);
    const std::wstring_view actual(name, static_cast<std::size_t>(std::max(length, 0)));
    const std::wstring_view prefix(kClassPrefix);
    // Design names are ASCII.
    return actual.starts_with(prefix) &&
           std::ranges::equal(
               actual.substr(prefix.size()), design.name,
               [](wchar_t have, char want) { return have == static_cast<unsigned char>(want); });
}

FrameStyle FrameStyleFor(design::Border border) {
    switch (border) {
        case design::Border::Sizable:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, 0};
        case design::Border::FixedSingle:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0};
        case design::Border::FixedDialog:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
    }
    return {WS_OVERLAPPEDWINDOW, 0};
}

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

// The window's size with its client area the design's at `dpi`, as the
// frame and a menu bar of one row take it at that DPI.
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

void SetProgramIcons(HWND window, WindowCore& core) {
    const int dpi = core.fonts.dpi();
    IconHolder big = ProgramIcon(SystemMetricForDpi(SM_CXICON, dpi));
    IconHolder small = ProgramIcon(SystemMetricForDpi(SM_CXSMICON, dpi));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    core.bigIcon = std::move(big);
    core.smallIcon = std::move(small);
}

// WM_CREATE: the design's controls and the icons at the window's DPI.
void CreateContents(HWND window, WindowCore& core) {
    core.fonts.Rescale(WindowDpi(window));
    CreateControls(window, core.design, core.fonts);
    SetProgramIcons(window, core);
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
    SetProgramIcons(window, core);
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

}  // namespace zephyrod::win32
