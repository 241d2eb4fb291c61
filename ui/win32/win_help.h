// frmHelp: the help text and an OK button that closes it. Modeless and
// without an owner: it may stand beside or behind the main window.
#pragma once

#include <windows.h>

namespace zephyrod::win32 {

// Loads the help window (Form_Load sets its text) and shows it with the
// focus on OK.
HWND OpenHelpWindow();

}  // namespace zephyrod::win32
