// frmMain: the four fields, Calculate, the two lists and the Help menu.
#pragma once

#include <windows.h>

namespace zephyrod::win32 {

// Loads frmMain as the program starts (Form_Load fills in the defaults) and
// shows it with the focus in the first field, its text selected. Closing it
// ends the thread's message loop.
HWND OpenMainWindow(int showCommand);

// The help window frmMain opened, if it is open.
HWND HelpWindowOf(HWND mainWindow);

}  // namespace zephyrod::win32
