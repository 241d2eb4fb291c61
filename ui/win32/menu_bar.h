// The main window's menu bar, built from its design. The bar's blank item
// places "Help" to its right; it is drawn by the window at a width that
// keeps "Help" on the bar's first row, whatever the menu font's blank is.
#pragma once

#include <windows.h>

#include "handles.h"
#include "window_design.h"

namespace zephyrod::win32 {

MenuHolder CreateMenuBar(const design::WindowDesign& design);

// The blank item as the window draws it: its command ID (0: the menu has
// none) and its width, measured at the menu's DPI.
struct BlankMenuItem {
    UINT id = 0;
    int width = 0;
    int dpi = design::kDesignDpi;
};

// The blank item of the design's menu, its width as the menu font at `dpi`
// writes its caption.
BlankMenuItem MeasuredBlankItem(const design::WindowDesign& design, int dpi);

// WM_MEASUREITEM and WM_DRAWITEM for the blank item (as high as the menu bar
// at its DPI): false for anything else.
bool MeasureBlankItem(MEASUREITEMSTRUCT& item, const BlankMenuItem& blank);
bool DrawBlankItem(const DRAWITEMSTRUCT& item, const BlankMenuItem& blank);

// Narrows the blank item until the last item stands on the first row of
// the bar (and within it). `blank.width` is what the window's WM_MEASUREITEM
// answers for the blank item: it is narrowed before the bar is measured anew.
void FitMenuBar(HWND window, BlankMenuItem& blank);

}  // namespace zephyrod::win32
