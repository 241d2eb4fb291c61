#include "ui_test_support.h"

#include <QDialog>
#include <QtTest>

#include "application.h"

namespace zephyrod::ui::test {

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
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    if (handler_) {
        auto handler = std::move(handler_);
        handler_ = nullptr;
        handler(modal);
        return;
    }
    unexpected_ << modal->windowTitle() + QStringLiteral(" (") + modal->objectName() +
                       QStringLiteral(")");
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
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

QList<QWidget*> VisibleTopLevels() {
    QList<QWidget*> visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            visible << widget;
        }
    }
    return visible;
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
