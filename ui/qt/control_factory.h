// Builds a window's controls and menu from its design: one control per row
// of the design, of the widget that plays the control's kind, named, placed
// and captioned as the design says.
#pragma once

#include <QRect>
#include <Qt>

class QMenuBar;
class QWidget;

namespace zephyrod::design {
struct ControlDesign;
struct WindowDesign;
enum class Border;
}  // namespace zephyrod::design

namespace zephyrod::ui {

// Creates every control of the design inside `client`, whose top-left corner
// is that of the window's client area, each in its container; sets the tab
// order. Controls without a font of their own take the client's font.
void BuildControls(QWidget* client, const design::WindowDesign& window);

// Fills the menu bar from the design's menu: an item with items below it
// becomes a menu, any other an action; each named as in the design.
void BuildMenu(QMenuBar* bar, const design::WindowDesign& window);

// The window flags of a border style: title bar, system menu and close box,
// and a minimise button where the window is sizable.
Qt::WindowFlags WindowFlagsFor(design::Border border);

// A control's rectangle in pixels, inside its container.
QRect PixelRect(const design::ControlDesign& control);

}  // namespace zephyrod::ui
