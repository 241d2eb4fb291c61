#include "win_fixture.h"

namespace zephyrod::win32::test {

void MainWindowTest::SetUp() {
    main_ = Ui().OpenMainWindow();
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitFor([this] { return IsWindowVisible(main_) != FALSE; }));
}

void MainWindowTest::TearDown() {
    if (HWND box = MessageBoxOf(main_)) {
        PressOk(box);
        WaitFor([box] { return !IsWindow(box); });
    }
    if (HWND about = WindowOfClass(kAboutClass)) {
        CloseAndWait(about);
    }
    CloseAndWait(main_);
}

void MainWindowTest::Calculate() {
    Click(Main("cmdGo"));
    Ui().Flush();
}

HWND MainWindowTest::OpenHelp() {
    ChooseMenu(main_, IDM_mnuZRHelp);
    HWND help = nullptr;
    WaitFor([&help] { return (help = WindowOfClass(kHelpClass)) != nullptr; });
    Ui().Flush();
    return help;
}

HWND MainWindowTest::OpenAbout() {
    ChooseMenu(main_, IDM_mnuAbout);
    HWND about = nullptr;
    WaitFor([&about] { return (about = WindowOfClass(kAboutClass)) != nullptr; });
    Ui().Flush();
    return about;
}

void MainWindowTest::CloseAndWait(HWND window) {
    if (IsWindow(window)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        WaitFor([window] { return !IsWindow(window); });
    }
}

}  // namespace zephyrod::win32::test
