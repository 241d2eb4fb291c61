// The main window's menu bar, built from its design. The bar's spacer (an
// item of blanks) places "Help" to its right; it is drawn by the window at a
// width that keeps "Help" on the bar's first row, whatever the menu font's
// blank is.
#pragma once

#include <windows.h>

#include "handles.h"
#include "window_design.h"

namespace zephyrod::win32 {

MenuHolder CreateMenuBar(const design::WindowDesign& design);

// The spacer as the window draws it: its command ID (0: the menu has none)
// and its width, measured at the menu's DPI.
struct SpacerMenuItem {
    UINT id = 0;
    int width = 0;
    int dpi = design::kDesignDpi;
};

// The spacer of the design's menu (the item marked as such), its width as
// the menu font at `dpi` writes its caption.
SpacerMenuItem MeasuredSpacer(const design::WindowDesign& design, int dpi);

// WM_MEASUREITEM and WM_DRAWITEM for the spacer (as high as the menu bar at
// its DPI): false for anything else.
bool MeasureSpacer(MEASUREITEMSTRUCT& item, const SpacerMenuItem& spacer);
bool DrawSpacer(const DRAWITEMSTRUCT& item, const SpacerMenuItem& spacer);

// Narrows the spacer until the last item stands on the first row of the bar
// (and within it). `spacer.width` is what the window's WM_MEASUREITEM answers
// for the spacer: it is narrowed before the bar is measured anew.
void FitMenuBar(HWND window, SpacerMenuItem& spacer);

}  // namespace zephyrod::win32
