// Where a window opens: centred on the screen's working area or over its
// owner, and kept where the user can reach it.
#pragma once

namespace zephyrod::design {

// A rectangle on the screen, in pixels.
struct ScreenRect {
    int left;
    int top;
    int width;
    int height;
};

struct ScreenPoint {
    int x;
    int y;
};

// The top-left corner of a window's frame (title bar and borders included)
// of `width` × `height` that centres it on `centreOn` and keeps it inside
// `available`, the screen's working area. A window larger than the area keeps
// its top-left corner, and so its title bar, on the screen.
ScreenPoint CentredPlacement(int width, int height, ScreenRect centreOn, ScreenRect available);

}  // namespace zephyrod::design
