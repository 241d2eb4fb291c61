#include "window_class.h"

#include <algorithm>
#include <string_view>

#include "program_icon.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

constexpr wchar_t kClassPrefix[] = L"Zephyrod.";

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

}  // namespace zephyrod::win32
