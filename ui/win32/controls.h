// Builds a window's controls from its design: one factory for every kind.
#pragma once

#include <windows.h>

#include "dpi.h"
#include "window_design.h"

namespace zephyrod::win32 {

// The window class a control of this kind is made of ("Edit", "Button",
// "ListBox", "Static"); none for a line, which its window draws.
const wchar_t* ControlClass(design::ControlKind kind);

// Creates every control of `design` as a child of `window`, at its place in
// the window's client area. A frame is a group box drawn behind the controls
// it holds (a group box is not a parent in Windows), and the controls that
// take the focus are stacked in tab order, which Tab follows. A control the
// design names for a screen reader gets that name (and description).
void CreateControls(HWND window, const design::WindowDesign& design, FontSet& fonts);

// Clears the names CreateControls gave the controls for a screen reader; on
// WM_DESTROY, while the controls still exist.
void ForgetControlNames(HWND window, const design::WindowDesign& design);

// Moves and re-fonts the controls for the font set's DPI (after a DPI change),
// then deletes the fonts of the DPI before.
void PlaceControls(HWND window, const design::WindowDesign& design, FontSet& fonts);

// Draws the design's lines into a window's client area.
void DrawLines(HDC dc, const design::WindowDesign& design, int dpi);

}  // namespace zephyrod::win32
