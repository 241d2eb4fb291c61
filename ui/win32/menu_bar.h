// The main window's menu bar, built from its design. The bar's blank item
// places "Help" to its right; it is drawn by the window at a width that
// keeps "Help" on the bar's first row, whatever the menu font's blank is.
#pragma once

#include <windows.h>

#include "window_design.h"

namespace zephyrod::win32 {

HMENU CreateMenuBar(const design::WindowDesign& design);

// The width of the blank item as the menu font at `dpi` writes its caption.
int BlankItemWidth(const design::WindowDesign& design, int dpi);

// WM_MEASUREITEM and WM_DRAWITEM for the blank item (as high as the menu bar
// at `dpi`): false for anything else.
bool MeasureBlankItem(MEASUREITEMSTRUCT& item, int width, int dpi);
bool DrawBlankItem(const DRAWITEMSTRUCT& item);

// Narrows the blank item until the last item stands on the first row of
// the bar (and within it). `blankWidth` is what the window's WM_MEASUREITEM
// answers for the blank item: it is narrowed before the bar is measured anew.
void FitMenuBar(HWND window, int& blankWidth);

}  // namespace zephyrod::win32
