// The fonts of the windows.
#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace zephyrod::design {
struct FontDesign;
}

namespace zephyrod::ui {

// The standard 8-point sans-serif dialog font: every control without a font
// of its own. "MS Sans Serif" where the platform has it, else a sans whose
// widths are close to it (DejaVu Sans Condensed, Liberation Sans or Arimo),
// so that the lines and captions fit the boxes the windows were laid out
// for; the platform's own sans only where none of them is installed.
QFont DialogFont();

// The font a window design names for a control, at its size and weight:
// its family where the platform has it; else, for a fixed-pitch font,
// another fixed-pitch one, and for any other the dialog font's family.
QFont DesignFont(const design::FontDesign& font);

// Whether the label's caption, wrapped at word boundaries, fits its box.
bool CaptionFits(const QLabel* label);

// Grows a label (never moves or shrinks it) until its caption fits: used
// where the platform's font is wider than the one the window was designed with.
void GrowToFitCaption(QLabel* label);

}  // namespace zephyrod::ui
