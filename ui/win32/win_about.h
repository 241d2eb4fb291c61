// frmAbout: title, version, description and copyright lines; modal.
#pragma once

#include <windows.h>

namespace zephyrod::win32 {

// Loads the about window centred over `owner` and shows it modally: the
// program's other windows take no input until it is closed (OK, Enter, Esc
// or its close box). Returns when it is closed. While one is open (a second
// request handled by its own message loop), nothing happens.
void ShowAboutWindow(HWND owner);

}  // namespace zephyrod::win32
