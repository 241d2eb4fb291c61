// Shared by the window tests: runs offscreen unless a platform is chosen,
// fails a test on a modal dialog or popup it did not expect instead of
// hanging, and checks a window against its design.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "frm_main.h"
#include "named_control.h"
#include "window_design.h"

namespace zephyrod::ui::test {

// Watches for modal dialogs and popups (menus). One the test expects (see
// expect()) is handed to the test's handler; any other is recorded and
// closed, so that the test can fail in its cleanup instead of waiting forever.
class ModalWatchdog : public QObject {
  public:
    ModalWatchdog();

    // The next modal dialog or popup goes to `handler`, which should close it.
    void expect(std::function<void(QWidget*)> handler);
    bool expecting() const { return static_cast<bool>(handler_); }
    // Unexpected dialogs and popups seen since the last call, by window title.
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

    // The main window's control of that name.
    template <class T>
    T* control(std::string_view name) const {
        return Named<T>(main_.get(), name);
    }
    // Chooses a menu item of the main window.
    void choose(std::string_view item) const;
    // The open help window, or null.
    static QWidget* helpWindow();

    std::unique_ptr<frmMain> main_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

// Top-level widgets that are visible: after a test's cleanup there should be none.
QList<QWidget*> VisibleTopLevels();

// One row per control of the design, named after it ("Label1", "lblUnit(0)"),
// with the columns "name" and "index" (-1 for none).
void AddControlRows(const design::WindowDesign& window);
// Checks the control of the current row in `window` (whose client area is
// `client`) against the design: its kind, container, place and size in
// pixels, caption, font, whether it takes the focus, default button.
void CheckControl(const QWidget* client, const design::WindowDesign& window);
// The controls that Tab visits from the first one in the design's tab order,
// by name, once round.
QStringList TabChain(const QWidget* client, const design::WindowDesign& window);
QStringList DesignTabOrder(const design::WindowDesign& window);

// The first accessible object below `root` (depth first) of that role and,
// unless empty, that name.
QAccessibleInterface* FindAccessible(QAccessibleInterface* root, QAccessible::Role role,
                                     const QString& name = {});
// A list's lines as a screen reader reads them, and the selected one's index.
QStringList AccessibleLines(QAccessibleInterface* list, int* selected = nullptr);

// WCAG contrast ratio of two colours: 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b);

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
