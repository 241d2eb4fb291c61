// Builds a window's controls and menu from its design: one control per row
// of the design, of the widget that plays the control's kind, named, placed
// and captioned as the design says. The factory hands the window what it
// built; the window takes the controls its code uses into a typed set of its
// own, once, and reaches them through that set only.
#pragma once

#include <QObject>
#include <QRect>
#include <Qt>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QMenuBar;
class QPushButton;
class QWidget;

namespace zephyrod::design {
struct ControlDesign;
struct WindowDesign;
enum class Border;
}  // namespace zephyrod::design

namespace zephyrod::ui {

// The controls (or menu items) built from a design, found through the
// design's own look-up by their names there. Each window keeps the ones its
// code reaches in a struct `Controls` of its own, typed, taken from here as
// it is built.
class BuiltControls {
  public:
    enum class Of { Controls, Menu };
    BuiltControls(const design::WindowDesign& window, Of what);

    // What was built for the design's row (of its controls or of its menu).
    void add(std::size_t row, QObject* object);

    // The control of that name (and index, for a control array member).
    // Throws std::logic_error where the design has none of that kind: a
    // window that asks for a control its design lacks fails as it opens.
    template <class T>
    T* take(std::string_view name, std::optional<int> index = std::nullopt) const {
        if (auto* found = qobject_cast<T*>(find(name, index))) {
            return found;
        }
        throw std::logic_error("the design has no such control: " + std::string(name));
    }

    // The first control in the design's tab order: where the focus starts.
    QWidget* firstInTabOrder = nullptr;
    // The button Esc presses, if the design has one.
    QPushButton* cancelButton = nullptr;

    // What was built for a row of the design.
    QObject* at(std::size_t row) const { return objects_[row]; }

  private:
    QObject* find(std::string_view name, std::optional<int> index) const;

    const design::WindowDesign* window_;
    Of of_;
    std::vector<QObject*> objects_;  // by row
};

// Gives a window its design's name, border and name for a screen reader,
// and the standard dialog font, which every control without a font of its
// own takes.
void ApplyWindowDesign(QWidget* window, const design::WindowDesign& design);

// Creates every control of the design inside `client`, whose top-left corner
// is that of the window's client area, each in its container, with its name
// and description for a screen reader; sets the tab order.
BuiltControls BuildControls(QWidget* client, const design::WindowDesign& window);

// Fills the menu bar from the design's menu: an item with items below it
// becomes a menu, any other an action; each named as in the design. A spacer
// item carries the property kSpacerProperty (MenuBarStyle widens it).
BuiltControls BuildMenu(QMenuBar* bar, const design::WindowDesign& window);

// A control's rectangle in pixels, inside its container.
QRect PixelRect(const design::ControlDesign& control);

}  // namespace zephyrod::ui
