// Twips to pixels at a window's DPI, and the design's fonts at that DPI.
#pragma once

#include <windows.h>

#include <vector>

#include "handles.h"
#include "window_design.h"

namespace zephyrod::win32 {

// The window's DPI (96 where the system cannot tell per window).
int WindowDpi(HWND window);

// A rectangle of the design in pixels at `dpi`.
RECT PixelRect(const design::TwipsRect& twips, int dpi);

// The outer rectangle of a window whose client area is `client`.
RECT OuterRect(RECT client, DWORD style, DWORD exStyle, bool hasMenu, int dpi);

// A system metric (SM_CXICON, SM_CYMENU, ...) at `dpi`; the system's own
// where Windows cannot tell it per DPI.
int SystemMetricForDpi(int index, int dpi);

// The fonts of the title bar, menus and message boxes at `dpi`; the system's
// own where Windows cannot tell them per DPI.
NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi);

// The design's fonts, created once per window at its DPI and deleted with it.
class FontSet {
  public:
    explicit FontSet(int dpi) : dpi_(dpi) {}

    // The font for a control; created on first use.
    HFONT Get(const design::FontDesign& font);
    int dpi() const { return dpi_; }
    // Later calls create the fonts at the new DPI. The fonts of the old one
    // stay until DeleteOld: the controls use them until they get new ones.
    void Rescale(int dpi);
    // Deletes the fonts of the DPI before the last Rescale.
    void DeleteOld();

  private:
    struct Entry {
        design::FontDesign font;
        FontHolder handle;
    };

    int dpi_;
    std::vector<Entry> fonts_;
    std::vector<Entry> old_;
};

}  // namespace zephyrod::win32
