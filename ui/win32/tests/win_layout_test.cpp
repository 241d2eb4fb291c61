// Each window against its design: every control's class, place, size,
// caption and font, the client area, the icon, the order Tab follows, and
// all of it again at other DPIs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "controls.h"
#include "dpi.h"
#include "handles.h"
#include "number_text.h"
#include "win_fixture.h"
#include "win_text.h"

namespace zephyrod::win32::test {
namespace {

using design::ControlKind;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct WindowCase {
    const char* name;
    const design::WindowDesign& (*design)();
    DWORD styles;         // frame styles it has
    DWORD withoutStyles;  // and those it must not have
};

const WindowCase kWindows[] = {
    // Sizable, can be minimised, not maximised.
    {"frmMain", design::MainWindowDesign, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX,
     WS_MAXIMIZEBOX},
    // Fixed, with the close box only.
    {"frmHelp", design::HelpWindowDesign, WS_CAPTION | WS_SYSMENU,
     WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
    {"frmAbout", design::AboutWindowDesign, WS_CAPTION | WS_SYSMENU,
     WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
};

// The outline face the windows ask for in place of each face of the design
// (none: the standard dialog font), which scales to any DPI.
constexpr std::pair<std::string_view, std::wstring_view> kOutlineFaces[] = {
    {"", L"Microsoft Sans Serif"},
    {"MS Sans Serif", L"Microsoft Sans Serif"},
    {"Courier", L"Courier New"},
};

std::wstring OutlineFace(std::string_view family) {
    for (const auto& [design, outline] : kOutlineFaces) {
        if (design == family) {
            return std::wstring(outline);
        }
    }
    return L"(no outline face for " + Wide(family) + L")";
}

// The font as the screen draws it: its character height, whether it is an
// outline font, whether it writes every character at the same width.
struct DrawnFont {
    long characterHeight;
    bool outline;
    bool fixedPitch;
};

DrawnFont Drawn(HFONT font) {
    const WindowDc dc;
    const Selection selected(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    SIZE narrow{};
    SIZE wide{};
    GetTextExtentPoint32W(dc.get(), L"i", 1, &narrow);
    GetTextExtentPoint32W(dc.get(), L"W", 1, &wide);
    return {metrics.tmHeight - metrics.tmInternalLeading,
            (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0, narrow.cx == wide.cx};
}

// Every control's font at `dpi`: the outline face of the design's, its
// character height the design's points at that DPI (asked for exactly,
// drawn within a pixel), fixed pitch where the design's is (the sweep's
// columns line up only then), proportional elsewhere.
void ExpectFontsAt(HWND window, const design::WindowDesign& design, int dpi) {
    for (const design::ControlDesign& control : design.controls) {
        if (control.kind == ControlKind::Line || control.kind == ControlKind::PictureBox) {
            continue;  // no text
        }
        SCOPED_TRACE(std::string(control.name));
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(
            FindControl(window, design, control.name, control.index), WM_GETFONT, 0, 0));
        LOGFONTW font{};
        ASSERT_EQ(GetObjectW(handle, sizeof font, &font), static_cast<int>(sizeof font))
            << "its font was deleted";
        const design::FontDesign& wanted =
            control.font.isStandard() ? design::kStandardFont : control.font;
        const long height = std::lround(wanted.points * dpi / 72.0);
        EXPECT_EQ(std::wstring(font.lfFaceName), OutlineFace(control.font.family));
        EXPECT_EQ(font.lfHeight, -height);
        EXPECT_EQ(font.lfWeight >= FW_BOLD, wanted.bold);
        const DrawnFont drawn = Drawn(handle);
        EXPECT_TRUE(drawn.outline);
        EXPECT_NEAR(drawn.characterHeight, height, 1);
        EXPECT_EQ(drawn.fixedPitch, wanted.fixedPitch);
    }
}

void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.name;
}

class WindowLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<WindowCase> {
  protected:
    HWND Open() {
        const std::string_view name = GetParam().name;
        if (name == "frmHelp") {
            return OpenHelp();
        }
        if (name == "frmAbout") {
            return OpenAbout();
        }
        return main_;
    }
};

TEST_P(WindowLayoutTest, ControlsStandWhereTheDesignPutsThem) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    const design::WindowDesign& design = GetParam().design();
    const int dpi = WindowDpi(window);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, design::Pixels(design.clientWidth, dpi));
    EXPECT_EQ(client.bottom, design::Pixels(design.clientHeight, dpi));
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_EQ(style & GetParam().styles, GetParam().styles);
    EXPECT_EQ(style & GetParam().withoutStyles, 0U);

    for (const design::ControlDesign& control : design.controls) {
        if (control.kind == ControlKind::Line) {
            continue;  // drawn by the window; see the about window's test
        }
        std::string label(control.name);
        if (control.index) {
            label += '(';
            label += IntegerText(*control.index);
            label += ')';
        }
        SCOPED_TRACE(label);
        HWND child = FindControl(window, design, control.name, control.index);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(ClassOf(child), ControlClass(control.kind));
        const RECT expected = PixelRect(design::WindowRect(design, control), dpi);
        const RECT actual = ClientRectOf(child);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
        if (control.kind != ControlKind::TextBox && !control.caption.empty()) {
            EXPECT_EQ(Text(child), Wide(control.caption));
        }
        if (control.kind == ControlKind::PictureBox) {
            EXPECT_NE(SendMessageW(child, STM_GETICON, 0, 0), 0);
        }
    }
    ExpectFontsAt(window, design, dpi);
}

// Tab from the control that has the focus when the window opens visits the
// focusable controls in their tab order and comes back to the first.
TEST_P(WindowLayoutTest, TabFollowsTheTabOrder) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    const design::WindowDesign& design = GetParam().design();
    const auto order = design::TabOrder(design);
    ASSERT_TRUE(WaitFor([&] { return NameOf(Focused(), design) == order.front()->name; }))
        << "focused: " << NameOf(Focused(), design);
    for (std::size_t step = 1; step <= order.size(); ++step) {
        PressKey(Focused(), VK_TAB);
        Ui().Flush();
        EXPECT_EQ(NameOf(Focused(), design), order[step % order.size()]->name) << "Tab " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayoutTest, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

// The design's client area at `dpi` with the frame and menu bar Windows
// gives a window of `window`'s styles at that DPI.
SIZE DesignSizeAt(HWND window, const design::WindowDesign& design, int dpi) {
    RECT outer{0, 0, design::Pixels(design.clientWidth, dpi),
               design::Pixels(design.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi));
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

// Moved to a screen of another DPI, each window takes the size it asked
// Windows for, lies exactly where Windows suggests, and its controls get
// fonts at the new DPI.
class DpiChangeTest : public MainWindowTest,
                      public ::testing::WithParamInterface<std::tuple<WindowCase, int>> {};

TEST_P(DpiChangeTest, WindowMovesToTheSuggestedRectangleWithFontsAtTheNewDpi) {
    const auto& [windowCase, dpi] = GetParam();
    const std::string_view name = windowCase.name;
    HWND window = name == "frmHelp" ? OpenHelp() : name == "frmAbout" ? OpenAbout() : main_;
    ASSERT_NE(window, nullptr);
    RECT before{};
    GetWindowRect(window, &before);
    // At its own DPI, the size it asks for is the size it has.
    SIZE size{};
    SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(WindowDpi(window)),
                 reinterpret_cast<LPARAM>(&size));
    EXPECT_EQ(size.cx, before.right - before.left);
    EXPECT_EQ(size.cy, before.bottom - before.top);

    SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                 reinterpret_cast<LPARAM>(&size));
    const SIZE expected = DesignSizeAt(window, windowCase.design(), dpi);
    EXPECT_EQ(size.cx, expected.cx);
    EXPECT_EQ(size.cy, expected.cy);
    // Within the test's screen, as Windows suggests a place on a screen of
    // that DPI (which is larger than the test's): a window is never made
    // larger than the screen.
    const RECT suggested{before.left + 16, before.top + 8,
                         before.left + 16 + std::min<LONG>(size.cx, GetSystemMetrics(SM_CXSCREEN)),
                         before.top + 8 + std::min<LONG>(size.cy, GetSystemMetrics(SM_CYSCREEN))};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, suggested.left);
    EXPECT_EQ(after.top, suggested.top);
    EXPECT_EQ(after.right, suggested.right);
    EXPECT_EQ(after.bottom, suggested.bottom);
    ExpectFontsAt(window, windowCase.design(), dpi);
}

// Where Windows does not ask the window its size first (per monitor v1), it
// suggests the old size scaled, frame and menu bar included: the window
// takes its own size at the suggested place.
TEST_P(DpiChangeTest, WindowNotAskedItsSizeTakesItAtTheSuggestedPlace) {
    const auto& [windowCase, dpi] = GetParam();
    const std::string_view name = windowCase.name;
    HWND window = name == "frmHelp" ? OpenHelp() : name == "frmAbout" ? OpenAbout() : main_;
    ASSERT_NE(window, nullptr);
    const SIZE expected = DesignSizeAt(window, windowCase.design(), dpi);
    if (expected.cx > GetSystemMetrics(SM_CXSCREEN) ||
        expected.cy > GetSystemMetrics(SM_CYSCREEN)) {
        GTEST_SKIP() << "larger than the test's screen";
    }
    RECT before{};
    GetWindowRect(window, &before);
    const RECT suggested{before.left + 16, before.top + 8,
                         before.left + 16 + MulDiv(before.right - before.left, dpi, 96),
                         before.top + 8 + MulDiv(before.bottom - before.top, dpi, 96)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, suggested.left);
    EXPECT_EQ(after.top, suggested.top);
    EXPECT_EQ(after.right - after.left, expected.cx);
    EXPECT_EQ(after.bottom - after.top, expected.cy);
}

INSTANTIATE_TEST_SUITE_P(WindowsAtDpis, DpiChangeTest,
                         ::testing::Combine(::testing::ValuesIn(kWindows),
                                            ::testing::Values(96, 120, 144, 192)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "At" +
                                    IntegerText(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace zephyrod::win32::test
