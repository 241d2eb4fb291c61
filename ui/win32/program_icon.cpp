#include "program_icon.h"

#include <utility>

#include "dpi.h"

namespace zephyrod::win32 {
namespace {

constexpr wchar_t kIconName[] = L"IDI_ICON1";

}  // namespace

HICON SharedProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), kIconName, IMAGE_ICON, size,
                                         size, LR_DEFAULTCOLOR | LR_SHARED));
}

// Not shared: for a shared image LoadImage hands out the first one it loaded
// under the resource's name, whatever size is asked.
IconHolder ProgramIcon(int size) {
    return IconHolder(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), kIconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void SetProgramIcons(HWND window, WindowIcons& icons, int dpi) {
    IconHolder big = ProgramIcon(SystemMetricForDpi(SM_CXICON, dpi));
    IconHolder small = ProgramIcon(SystemMetricForDpi(SM_CXSMICON, dpi));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    icons.big = std::move(big);
    icons.small = std::move(small);
}

}  // namespace zephyrod::win32
