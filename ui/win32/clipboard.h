// Copy and Copy All for the two lists: Ctrl+C copies the selected line, a
// context menu offers both. The clipboard gets Unicode text; Copy All joins
// the lines with CR LF.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zephyrod::win32 {

bool CopyText(HWND owner, std::wstring_view text);
// The selected line; nothing when no line is selected.
void CopySelectedLine(HWND list);
void CopyAllLines(HWND list);
std::wstring AllLines(HWND list);

// The context menu of a list, at a point on the screen (or, from the
// keyboard, at (-1, -1): beside the selected line).
void ShowCopyMenu(HWND owner, HWND list, POINT screen);

}  // namespace zephyrod::win32
