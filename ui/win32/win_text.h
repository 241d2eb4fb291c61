// The windows' texts: a window's own and a list's lines, and the UTF-8 and
// UTF-16 conversions between the program's texts and the windows'.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "utf16.h"

namespace zephyrod::win32 {

using utf16::Narrow;
using utf16::Widen;

// A window's text (a field's contents, a caption).
std::wstring WindowText(HWND window);

// The line at `index` of a list box.
std::wstring ListLine(HWND list, int index);

}  // namespace zephyrod::win32
