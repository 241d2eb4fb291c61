#include "program_icon.h"

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

}  // namespace zephyrod::win32
