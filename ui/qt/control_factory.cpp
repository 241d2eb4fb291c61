#include "control_factory.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <map>
#include <string_view>

#include "line_shape.h"
#include "qt_text.h"
#include "result_list.h"
#include "ui_fonts.h"
#include "window_design.h"
#include "window_styles.h"

namespace zephyrod::ui {
namespace {

using design::ControlDesign;
using design::ControlKind;

// The program's icon, drawn in 16 colours for a picture box.
constexpr char16_t kIconResource[] = u":/icons/zephyrod-32-16colors.png";

QPoint PixelPoint(int x, int y) {
    return {design::Pixels(x), design::Pixels(y)};
}

// The window flags of a border style: title bar, system menu and close box,
// and a minimise button where the window is sizable.
Qt::WindowFlags WindowFlagsFor(design::Border border) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (border) {
        case design::Border::Sizable:
            return flags | Qt::Window | Qt::WindowMinimizeButtonHint;
        case design::Border::FixedSingle:
            return flags | Qt::Window;
        case design::Border::FixedDialog:
            return flags | Qt::Dialog;
    }
    return flags | Qt::Window;
}

QWidget* MakeLabel(const ControlDesign& control, QWidget* parent) {
    auto* label = new QLabel(ToQString(control.caption), parent);
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment horizontal =
        control.align == design::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QWidget* MakeTextBox(const ControlDesign& control, QWidget* parent) {
    if (!control.multiLine) {
        return new QLineEdit(ToQString(control.caption), parent);
    }
    auto* text = new QPlainTextEdit(ToQString(control.caption), parent);
    // Long lines wrap at the box's width; there are no scroll bars.
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control instead of typing a tab into the text.
    text->setTabChangesFocus(true);
    return text;
}

QWidget* MakeButton(const ControlDesign& control, QWidget* parent) {
    auto* button = new QPushButton(ToQString(control.caption), parent);
    // Enter anywhere in the window presses only the default button; Enter or
    // Space on a focused button presses that one.
    button->setDefault(control.defaultButton);
    button->setAutoDefault(true);
    return button;
}

QWidget* MakeList(const ControlDesign& /*control*/, QWidget* parent) {
    auto* list = new ResultList(parent);
    auto* style = new CompactListStyle();
    style->setParent(list);
    list->setStyle(style);
    return list;
}

QWidget* MakePicture(const ControlDesign& /*control*/, QWidget* parent) {
    auto* picture = new QLabel(parent);
    // A sunken two-pixel border round the picture.
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QString::fromUtf16(kIconResource)));
    return picture;
}

QWidget* MakeControl(const ControlDesign& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Frame:
            return new QGroupBox(ToQString(control.caption), parent);
        case ControlKind::Label:
            return MakeLabel(control, parent);
        case ControlKind::TextBox:
            return MakeTextBox(control, parent);
        case ControlKind::CommandButton:
            return MakeButton(control, parent);
        case ControlKind::ListBox:
            return MakeList(control, parent);
        case ControlKind::PictureBox:
            return MakePicture(control, parent);
        case ControlKind::Line:
            return new LineShape(parent, PixelPoint(control.rect.left, control.rect.top),
                                 PixelPoint(control.x2(), control.y2()),
                                 QColor(control.color.red, control.color.green, control.color.blue),
                                 control.lineWidth);
    }
    return nullptr;
}

}  // namespace

BuiltControls::BuiltControls(const design::WindowDesign& window, Of what)
    : window_(&window),
      of_(what),
      objects_(what == Of::Menu ? window.menu.size() : window.controls.size(), nullptr) {}

void BuiltControls::add(std::size_t row, QObject* object) {
    objects_.at(row) = object;
}

QObject* BuiltControls::find(std::string_view name, std::optional<int> index) const {
    if (of_ == Of::Menu) {
        const design::MenuItemDesign* item = design::FindMenuItem(*window_, name);
        return item != nullptr ? objects_[design::MenuRow(*window_, *item)] : nullptr;
    }
    const ControlDesign* control = design::FindControl(*window_, name, index);
    return control != nullptr ? objects_[design::Row(*window_, *control)] : nullptr;
}

void ApplyWindowDesign(QWidget* window, const design::WindowDesign& design) {
    window->setObjectName(ToQString(design.name));
    window->setWindowFlags(WindowFlagsFor(design.border));
    window->setFont(DialogFont());
    window->setAccessibleName(ToQString(design.accessibleName));
}

QRect PixelRect(const ControlDesign& control) {
    const design::PixelRect pixels = design::Pixels(control.rect);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

BuiltControls BuildControls(QWidget* client, const design::WindowDesign& window) {
    BuiltControls built(window, BuiltControls::Of::Controls);
    // Containers come before what they hold.
    std::map<std::string_view, QWidget*> containers{{std::string_view(), client}};
    for (const ControlDesign& control : window.controls) {
        QWidget* widget = MakeControl(control, containers.at(control.container));
        widget->setObjectName(ToQString(control.name));
        if (control.index) {
            widget->setProperty(kIndexProperty, *control.index);
        }
        if (control.kind != ControlKind::Line) {
            widget->setGeometry(PixelRect(control));
        }
        if (!control.font.isStandard()) {
            widget->setFont(DesignFont(control.font));
        }
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(ToQString(control.accessibleName));
        }
        if (!control.accessibleDescription.empty()) {
            widget->setAccessibleDescription(ToQString(control.accessibleDescription));
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->pixmap()) {
            GrowToFitCaption(label);
        }
        if (control.kind == ControlKind::Frame) {
            containers[control.name] = widget;
        }
        if (control.cancelButton) {
            built.cancelButton = qobject_cast<QPushButton*>(widget);
        }
        built.add(design::Row(window, control), widget);
    }

    QWidget* previous = nullptr;
    for (const ControlDesign* control : design::TabOrder(window)) {
        auto* widget = static_cast<QWidget*>(built.at(design::Row(window, *control)));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        } else {
            built.firstInTabOrder = widget;
        }
        previous = widget;
    }
    return built;
}

BuiltControls BuildMenu(QMenuBar* bar, const design::WindowDesign& window) {
    BuiltControls built(window, BuiltControls::Of::Menu);
    std::map<std::string_view, QMenu*> menus;
    for (const design::MenuItemDesign& item : window.menu) {
        const QString caption = ToQString(item.caption);
        const std::size_t row = design::MenuRow(window, item);
        if (design::HasChildren(window, item.name)) {
            QMenu* menu = item.parent.empty() ? bar->addMenu(caption)
                                              : menus.at(item.parent)->addMenu(caption);
            menu->setObjectName(ToQString(item.name));
            menus[item.name] = menu;
            built.add(row, menu);
            continue;
        }
        QAction* action = item.parent.empty() ? bar->addAction(caption)
                                              : menus.at(item.parent)->addAction(caption);
        action->setObjectName(ToQString(item.name));
        // It stays where the design puts it: no platform moves it to an
        // application menu.
        action->setMenuRole(QAction::NoRole);
        // The item's key works anywhere in the window, and the menu shows it.
        if (!item.shortcut.empty()) {
            action->setShortcut(QKeySequence(ToQString(item.shortcut)));
        }
        action->setProperty(kSpacerProperty, item.spacer);
        built.add(row, action);
    }
    return built;
}

}  // namespace zephyrod::ui
