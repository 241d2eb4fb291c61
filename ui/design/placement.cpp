#include "placement.h"

#include <algorithm>

namespace zephyrod::design {
namespace {

// Centred, then pushed back inside at the far edge, and at the near edge
// last, so that the top-left corner wins where the window cannot fit.
int Place(int centreStart, int centreRoom, int start, int room, int size) {
    const int centred = centreStart + (centreRoom - size) / 2;
    return std::max(std::min(centred, start + room - size), start);
}

}  // namespace

ScreenPoint CentredPlacement(int width, int height, ScreenRect centreOn, ScreenRect available) {
    return {Place(centreOn.left, centreOn.width, available.left, available.width, width),
            Place(centreOn.top, centreOn.height, available.top, available.height, height)};
}

}  // namespace zephyrod::design
