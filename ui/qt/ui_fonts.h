// The fonts of the windows.
#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace zephyrod::ui {

// The platform's sans-serif dialog font at 8 points: every control without a
// font of its own.
QFont DialogFont();

// A sans-serif font at the given size and weight, "MS Sans Serif" where the
// platform has it.
QFont SansFont(qreal pointSize, bool bold = false);

// The sweep list's fixed-pitch font: "Courier" 9.75 points where present,
// else the system's fixed font, so that the table's columns line up.
QFont SweepFont();

// Whether the label's caption, wrapped at word boundaries, fits its box.
bool CaptionFits(const QLabel* label);

// Grows a label (never moves or shrinks it) until its caption fits: used
// where the platform's font is wider than the one the window was designed with.
void GrowToFitCaption(QLabel* label);

}  // namespace zephyrod::ui
