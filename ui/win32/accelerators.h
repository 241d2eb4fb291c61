// The keys that give a window's menu commands from anywhere in the window
// (the design's shortcuts, "F1"), as an accelerator table the message loops
// translate, and as the menu shows them beside the captions.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "handles.h"
#include "window_design.h"

namespace zephyrod::win32 {

// The key of a shortcut text, "F1" to "F24"; none for any other text (the
// design's shortcuts are function keys).
std::optional<ACCEL> ParseShortcut(std::string_view shortcut, WORD command);

// A menu item's text: its caption and, after a tab, its shortcut.
std::wstring MenuItemText(const design::MenuItemDesign& item);

// The accelerator table of a window's menu shortcuts; none where the design
// has no shortcut.
AcceleratorHolder CreateAccelerators(const design::WindowDesign& design);

}  // namespace zephyrod::win32
