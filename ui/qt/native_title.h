// Makes the title a window hands to the window system truly empty.
#pragma once

class QWidget;

namespace zephyrod::ui {

// The title Qt shows for a window whose title is empty is the application's
// name, so an untitled window carries a title that shows nothing (a lone
// zero-width space). On X11 this also empties the title properties
// themselves (WM_NAME and _NET_WM_NAME). Call it once the window exists on
// screen, e.g. from its showEvent.
void ClearNativeTitle(QWidget* window);

// The title that shows nothing.
inline constexpr char16_t kInvisibleTitle[] = u"\u200B";

}  // namespace zephyrod::ui
