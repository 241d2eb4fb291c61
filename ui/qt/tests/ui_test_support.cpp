#include "ui_test_support.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "application.h"
#include "control_factory.h"
#include "line_shape.h"
#include "ui_fonts.h"

namespace zephyrod::ui::test {

using design::ControlKind;

ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::poll);
    timer_.start();
}

void ModalWatchdog::expect(std::function<void(QWidget*)> handler) {
    handler_ = std::move(handler);
}

QStringList ModalWatchdog::takeUnexpected() {
    QStringList seen;
    seen.swap(unexpected_);
    return seen;
}

void ModalWatchdog::poll() {
    QWidget* shown = QApplication::activePopupWidget();
    if (shown == nullptr) {
        shown = QApplication::activeModalWidget();
    }
    if (shown == nullptr) {
        return;
    }
    if (handler_) {
        auto handler = std::move(handler_);
        handler_ = nullptr;
        handler(shown);
        return;
    }
    unexpected_ << shown->windowTitle() + QStringLiteral(" (") + shown->objectName() +
                       QStringLiteral(")");
    if (auto* dialog = qobject_cast<QDialog*>(shown)) {
        dialog->reject();
    } else {
        shown->close();
    }
}

void MainWindowTest::openMainWindow() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    main_ = std::make_unique<frmMain>();
    main_->show();
    QVERIFY(QGuiApplication::platformName() == QLatin1String("xcb")
                ? QTest::qWaitForWindowExposed(main_.get())
                : QTest::qWaitForWindowActive(main_.get()));
}

void MainWindowTest::closeEverything() {
    main_->close();
    main_.reset();
    QTRY_VERIFY(VisibleTopLevels().isEmpty());
    const bool stillExpecting = watchdog_->expecting();
    const QStringList unexpected = watchdog_->takeUnexpected();
    watchdog_.reset();
    QVERIFY2(!stillExpecting, "a dialog the test waited for never appeared");
    QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("unexpected dialog: ") +
                                              unexpected.join(QStringLiteral(", "))));
}

void MainWindowTest::choose(std::string_view item) const {
    Named<QAction>(main_.get(), item)->trigger();
}

QWidget* MainWindowTest::helpWindow() {
    for (QWidget* widget : VisibleTopLevels()) {
        if (widget->objectName() == QLatin1String("frmHelp")) {
            return widget;
        }
    }
    return nullptr;
}

QList<QWidget*> VisibleTopLevels() {
    QList<QWidget*> visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            visible << widget;
        }
    }
    return visible;
}

void AddControlRows(const design::WindowDesign& window) {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    for (const design::ControlDesign& control : window.controls) {
        const QString name = ToQString(control.name);
        const int index = control.index.value_or(-1);
        if (index < 0) {
            QTest::newRow(qPrintable(name)) << name << index;
        } else {
            QTest::addRow("%s(%d)", qPrintable(name), index) << name << index;
        }
    }
}

namespace {

const char* QtClass(const design::ControlDesign& control) {
    switch (control.kind) {
        case ControlKind::Frame:
            return "QGroupBox";
        case ControlKind::Label:
        case ControlKind::PictureBox:
            return "QLabel";
        case ControlKind::TextBox:
            return control.multiLine ? "QPlainTextEdit" : "QLineEdit";
        case ControlKind::CommandButton:
            return "QPushButton";
        case ControlKind::ListBox:
            return "QListWidget";
        case ControlKind::Line:
            return "zephyrod::ui::LineShape";
    }
    return "";
}

QString Caption(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        return box->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return button->text();
    }
    return {};
}

// A line's pixels: from its first point to its second, both included, as
// wide as the line downwards.
QRect LinePixels(const design::ControlDesign& line) {
    const QPoint from(design::Pixels(line.rect.left), design::Pixels(line.rect.top));
    const QPoint to(design::Pixels(line.x2()), design::Pixels(line.y2()));
    return {from, QSize(to.x() - from.x() + 1, line.lineWidth)};
}

}  // namespace

void CheckControl(const QWidget* client, const design::WindowDesign& window) {
    QFETCH(QString, name);
    QFETCH(int, index);
    const design::ControlDesign& control = design::Control(
        window, name.toStdString(), index < 0 ? std::nullopt : std::optional<int>(index));
    const QWidget* w =
        Named<QWidget>(client, control.name, index < 0 ? std::nullopt : std::optional<int>(index));
    QVERIFY(w != nullptr);
    QVERIFY2(w->inherits(QtClass(control)), w->metaObject()->className());
    QCOMPARE(w->parentWidget()->objectName(),
             control.container.empty() ? client->objectName() : ToQString(control.container));

    if (control.kind == ControlKind::Line) {
        QCOMPARE(w->geometry(), LinePixels(control));
        return;
    }
    const QRect design = PixelRect(control);
    if (control.kind == ControlKind::Label) {
        // A label keeps its place and grows only where this platform's font
        // needs a little more room than the design gave its caption.
        QCOMPARE(w->pos(), design.topLeft());
        QVERIFY(w->width() >= design.width() && w->height() >= design.height());
        QVERIFY2(w->width() <= design.width() + 8 && w->height() <= design.height() + 4,
                 qPrintable(QStringLiteral("grew to %1x%2").arg(w->width()).arg(w->height())));
    } else {
        QCOMPARE(w->geometry(), design);
    }
    // Captions a window sets when it loads are checked by that window's tests.
    if (!control.caption.empty()) {
        QCOMPARE(Caption(w), ToQString(control.caption));
    }
    const QFont expected = control.font.isStandard() ? DialogFont() : DesignFont(control.font);
    QCOMPARE(w->font().family(), expected.family());
    QCOMPARE(w->font().pointSizeF(), control.font.points);
    QCOMPARE(w->font().bold(), control.font.bold);
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
        const Qt::Alignment horizontal =
            control.align == design::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, horizontal);
    }
    QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), control.takesFocus());
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        // A button with the focus acts as the default one while it has it.
        QCOMPARE(button->isDefault(), control.defaultButton || button->hasFocus());
    }
}

QStringList DesignTabOrder(const design::WindowDesign& window) {
    QStringList names;
    for (const design::ControlDesign* control : design::TabOrder(window)) {
        names << ToQString(control->name);
    }
    return names;
}

QStringList TabChain(const QWidget* client, const design::WindowDesign& window) {
    const QStringList order = DesignTabOrder(window);
    QWidget* const first = Named<QWidget>(client, order.front().toStdString());
    QStringList chain;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && client->isAncestorOf(w)) {
            chain << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != first && chain.size() < 50);
    return chain;
}

QAccessibleInterface* FindAccessible(QAccessibleInterface* root, QAccessible::Role role,
                                     const QString& name) {
    if (root == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr) {
            continue;
        }
        if (child->role() == role && (name.isEmpty() || child->text(QAccessible::Name) == name)) {
            return child;
        }
        if (QAccessibleInterface* found = FindAccessible(child, role, name)) {
            return found;
        }
    }
    return nullptr;
}

QStringList AccessibleLines(QAccessibleInterface* list, int* selected) {
    QStringList lines;
    if (selected != nullptr) {
        *selected = -1;
    }
    for (int i = 0; list != nullptr && i < list->childCount(); ++i) {
        QAccessibleInterface* row = list->child(i);
        if (row == nullptr || row->role() != QAccessible::ListItem) {
            continue;
        }
        if (selected != nullptr && row->state().selected) {
            *selected = int(lines.size());
        }
        lines << row->text(QAccessible::Name);
    }
    return lines;
}

double Contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void UseOffscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

void SetUpTestApplication(QApplication& app) {
    SetUpApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace zephyrod::ui::test
