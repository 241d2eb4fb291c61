#include "frame_style.h"

namespace zephyrod::win32 {

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

}  // namespace zephyrod::win32
