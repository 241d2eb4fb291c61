// A list box's lines, replaced as a whole.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zephyrod::win32 {

// Replaces a list's lines, shown from their left edge; the horizontal
// scroll bar reaches the widest.
void SetLines(HWND list, const std::vector<std::string>& lines);

}  // namespace zephyrod::win32
