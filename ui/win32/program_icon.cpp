#include "program_icon.h"

#include <utility>

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
OwnedIcon::OwnedIcon(int size)
    : handle_(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), kIconName, IMAGE_ICON, size,
                                            size, LR_DEFAULTCOLOR))) {}

OwnedIcon::OwnedIcon(OwnedIcon&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

OwnedIcon& OwnedIcon::operator=(OwnedIcon&& other) noexcept {
    if (this != &other) {
        if (handle_ != nullptr) {
            DestroyIcon(handle_);
        }
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

OwnedIcon::~OwnedIcon() {
    if (handle_ != nullptr) {
        DestroyIcon(handle_);
    }
}

}  // namespace zephyrod::win32
