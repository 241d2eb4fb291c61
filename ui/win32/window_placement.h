// Where a window first stands on the screen, as its design's start position
// says.
#pragma once

#include <windows.h>

#include "window_design.h"

namespace zephyrod::win32 {

// Places the window as its design says: centred on the screen's working
// area or over its owner, whole (title bar included) inside the working
// area where it fits, its top-left corner always on the screen.
void PlaceWindow(HWND window, const design::WindowDesign& design, HWND owner);

}  // namespace zephyrod::win32
