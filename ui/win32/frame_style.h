// A window's frame as its design's border asks for it: window styles.
#pragma once

#include <windows.h>

#include "window_design.h"

namespace zephyrod::win32 {

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};
FrameStyle FrameStyleFor(design::Border border);

}  // namespace zephyrod::win32
