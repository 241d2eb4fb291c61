// Shared by the window tests: runs offscreen unless a platform is chosen,
// and fails a test on a modal dialog it did not expect instead of hanging.
#pragma once

#include <QApplication>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "frm_main.h"

namespace zephyrod::ui::test {

// Watches for modal dialogs. One the test expects (see expect()) is handed to
// the test's handler; any other is recorded and closed, so that the test can
// fail in its cleanup instead of waiting forever.
class ModalWatchdog : public QObject {
  public:
    ModalWatchdog();

    // The next modal dialog goes to `handler`, which should close it.
    void expect(std::function<void(QWidget*)> handler);
    bool expecting() const { return static_cast<bool>(handler_); }
    // Unexpected dialogs seen since the last call, by window title.
    QStringList takeUnexpected();

  private:
    void poll();

    QTimer timer_;
    std::function<void(QWidget*)> handler_;
    QStringList unexpected_;
};

// A test object whose every test starts with a main window on screen and ends
// with every window closed and no unexpected dialog seen. Its init() and
// cleanup() slots call openMainWindow() and closeEverything().
class MainWindowTest : public QObject {
  protected:
    // Shows a new main window and waits until it is active (on X11 without a
    // window manager, until it is on screen: nothing activates it there).
    void openMainWindow();
    // Closes the main window (and with it an open help window) and checks
    // that no window is left and no unexpected dialog appeared.
    void closeEverything();

    std::unique_ptr<frmMain> main_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

// Top-level widgets that are visible: after a test's cleanup there should be none.
QList<QWidget*> VisibleTopLevels();

// Runs a Qt Test object with the offscreen platform unless one is set.
template <class TestObject>
int RunTest(int argc, char* argv[]);

void UseOffscreenUnlessSet();
void SetUpTestApplication(QApplication& app);

template <class TestObject>
int RunTest(int argc, char* argv[]) {
    UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    SetUpTestApplication(app);
    TestObject test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zephyrod::ui::test

#define ZEPHYROD_UI_TEST_MAIN(TestObject)                           \
    int main(int argc, char* argv[]) {                              \
        return zephyrod::ui::test::RunTest<TestObject>(argc, argv); \
    }
