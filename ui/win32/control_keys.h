// The keys a control takes beyond those of its window class, where the
// message loops hand every other key to the system's dialog keys
// (IsDialogMessage): Ctrl+C in a list copies its selected line; Enter in a
// multi-line text starts a new line while Tab and Esc still act on the window.
#pragma once

#include <windows.h>

#include "window_design.h"

namespace zephyrod::win32 {

// Gives a control just created from its design row the keys above.
void AddControlKeys(HWND control, const design::ControlDesign& design);

}  // namespace zephyrod::win32
