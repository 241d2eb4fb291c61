// Control and menu item IDs follow from the design: a control's ID is its
// row's place in the window's design, a menu command's its item's place in
// the menu, each counted from a base of its own. Adding a control to the
// design gives it an ID; nothing here lists the controls again.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "window_design.h"

namespace zephyrod::win32 {

// The control ID of a row of `design` (lines are drawn, not created: theirs
// is never used).
int ControlId(const design::WindowDesign& design, const design::ControlDesign& control);

// The row of `design` whose control has that ID; null for none.
const design::ControlDesign* ControlWithId(const design::WindowDesign& design, int id);

// The command ID of a menu item; 0 for a name the menu lacks and for an item
// with items below it, which opens them instead.
UINT MenuItemId(const design::WindowDesign& design, std::string_view name);

// The control of that name (and index, for a control array member) in a
// window built from `design`; null where the design has none. The windows
// call it once as they are created, to fill their typed sets of controls.
HWND FindControl(HWND window, const design::WindowDesign& design, std::string_view name,
                 std::optional<int> index = std::nullopt);

}  // namespace zephyrod::win32
