// Narrower fonts for captions that the platform's font makes too wide.
#pragma once

class QLabel;

namespace zephyrod::ui {

// Where the label's caption does not fit its box in the label's font, gives it
// the same font semi-condensed, else condensed: the widest of them that fits.
// Leaves the font as it is when none fits either.
void CondenseToFitCaption(QLabel* label);

}  // namespace zephyrod::ui
