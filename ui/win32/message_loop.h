// The program's message loops, and the keys they handle as a dialog box
// would: Tab and Shift+Tab between the controls, Enter on a focused button,
// the window's default and cancel buttons, Ctrl+C in a list.
#pragma once

#include <windows.h>

namespace zephyrod::win32 {

// True when `message` was a key the program handled itself.
bool HandleDialogKey(const MSG& message);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Runs while `window` exists (a modal window's loop). A WM_QUIT that
// arrives meanwhile is posted again for the outer loop; where no message can
// be had (GetMessage fails), it ends.
void RunModalLoop(HWND window);

}  // namespace zephyrod::win32
