// A fixture with frmMain open, as the program starts, and closed after the
// test with whatever the test left open.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "control_ids.h"
#include "win_test_support.h"
#include "window_design.h"

namespace zephyrod::win32::test {

inline constexpr std::wstring_view kHelpClass = L"Zephyrod.frmHelp";
inline constexpr std::wstring_view kAboutClass = L"Zephyrod.frmAbout";

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HWND Main(std::string_view name, std::optional<int> index = std::nullopt) const {
        return FindControl(main_, design::MainWindowDesign(), name, index);
    }
    // The command of frmMain's menu item of that name.
    static int MenuCommand(std::string_view name) {
        return static_cast<int>(MenuItemId(design::MainWindowDesign(), name));
    }
    // Presses Calculate and waits until it has run (up to its message box).
    void Calculate();
    // Chooses a menu item and waits for the window it opens.
    HWND OpenHelp();
    HWND OpenAbout();
    // Closes a window of the program and waits until it is gone.
    static void CloseAndWait(HWND window);

    HWND main_ = nullptr;
};

}  // namespace zephyrod::win32::test
