#include "win_fixture.h"

namespace zephyrod::win32::test {

namespace {

// ZEPHYROD_REQUIRE_DISPLAY=1 (scripts/test sets it) makes a missing display
// a failure: a run that tested no window must not pass as green.
bool DisplayRequired() {
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(L"ZEPHYROD_REQUIRE_DISPLAY", value, 8) == 1 && value[0] == L'1';
}

}  // namespace

void MainWindowTest::SetUp() {
    main_ = Ui().OpenMainWindow();
    // Under Wine without an X display no window can open: nothing to test,
    // unless the run requires the windows to be tested.
    if (main_ == nullptr && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0 &&
        GetEnvironmentVariableW(L"WAYLAND_DISPLAY", nullptr, 0) == 0 &&
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
        if (DisplayRequired()) {
            FAIL() << "no display, and ZEPHYROD_REQUIRE_DISPLAY=1: run under xvfb-run";
        }
        GTEST_SKIP() << "no display: run the window tests under xvfb-run";
    }
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
    ChooseMenu(main_, MenuCommand("mnuZRHelp"));
    HWND help = nullptr;
    WaitFor([&help] { return (help = WindowOfClass(kHelpClass)) != nullptr; });
    Ui().Flush();
    return help;
}

HWND MainWindowTest::OpenAbout() {
    // The menu command returns at once; the modal window opens after it.
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(main_, WM_COMMAND, MAKEWPARAM(MenuCommand("mnuAbout"), 0), 0,
                                  SMTO_BLOCK, 5000, &result),
              0)
        << "choosing About waits for the about window";
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
