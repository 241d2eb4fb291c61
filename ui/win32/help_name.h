// A window's name for screen readers where its title bar shows none: set
// through Windows' accessibility annotations (Dynamic Annotation), so that
// the window's own accessible object answers with that name.
#pragma once

#include <windows.h>

#include <string_view>

namespace zephyrod::win32 {

// Best effort: without COM on the thread, or on a system without the
// annotation service, the window keeps its (empty) title as its name.
void SetAccessibleName(HWND window, std::string_view name);
void ForgetAccessibleName(HWND window);

}  // namespace zephyrod::win32
