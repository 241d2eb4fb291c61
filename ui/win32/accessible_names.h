// Names and descriptions for screen readers, as the designs give them where
// a window or control shows none of its own (the help window's empty title,
// the lists without a caption, the fields' units), set through Windows'
// accessibility annotations (Dynamic Annotation).
#pragma once

#include <windows.h>

#include <string_view>

namespace zephyrod::win32 {

// Best effort: without COM on the thread, or on a system without the
// annotation service, the window keeps the name Windows gives it. An empty
// name or description leaves Windows' own.
void SetAccessibleName(HWND window, std::string_view name, std::string_view description = {});
// Clears both again, before the window goes.
void ForgetAccessibleName(HWND window);

}  // namespace zephyrod::win32
