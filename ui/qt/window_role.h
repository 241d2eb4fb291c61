// What a screen reader is told a top-level widget is.
#pragma once

class QWidget;

namespace zephyrod::ui {

// Makes assistive technology see `window` as a window (not an unnamed
// filler, as a plain top-level widget is), named by its accessible name.
// Call it before anything has asked about the window's accessibility.
void AnnounceAsWindow(QWidget* window);

}  // namespace zephyrod::ui
