// The program's window classes: one per window design, named after it
// ("Zephyrod.frmMain" and so on), which is how the program's windows are
// recognised, the installer's look for a running copy included.
#pragma once

#include <windows.h>

#include <string>

#include "window_design.h"

namespace zephyrod::win32 {

std::wstring WindowClassName(const design::WindowDesign& design);

// Registers the window class of `design` (once per process).
void RegisterWindowClass(const design::WindowDesign& design, WNDPROC procedure);

// Whether `window` is a top-level window of this program.
bool IsProgramWindow(HWND window);
// Whether `window` is a window of this program built from `design`.
bool IsWindowOf(HWND window, const design::WindowDesign& design);

}  // namespace zephyrod::win32
