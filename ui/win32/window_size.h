// A window's outer size for the client area its design gives it.
#pragma once

#include <windows.h>

#include "window_design.h"

namespace zephyrod::win32 {

// The window's size with its client area the design's at `dpi`, as the
// frame and a menu bar of one row take it at that DPI.
SIZE ScaledSize(HWND window, const design::WindowDesign& design, int dpi);

// Makes the client area the design's size at the window's DPI, whatever
// the frame and the menu bar take (a wrapped menu bar included).
void SizeClientToDesign(HWND window, const design::WindowDesign& design);

}  // namespace zephyrod::win32
