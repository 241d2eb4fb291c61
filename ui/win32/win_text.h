// Text between the program's UTF-8 strings and the windows' UTF-16 text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zephyrod::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A window's text (a field's contents, a caption).
std::wstring WindowText(HWND window);

// The line at `index` of a list box.
std::wstring ListLine(HWND list, int index);

}  // namespace zephyrod::win32
