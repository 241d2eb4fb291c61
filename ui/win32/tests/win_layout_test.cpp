// Each window against its design: every control's class, place, size,
// caption and font, the client area, the icon, and the order Tab follows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "controls.h"
#include "dpi.h"
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

// Whether a font writes every character at the same width.
bool WritesAtFixedPitch(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE narrow{};
    SIZE wide{};
    GetTextExtentPoint32W(dc, L"i", 1, &narrow);
    GetTextExtentPoint32W(dc, L"W", 1, &wide);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return narrow.cx == wide.cx;
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
            continue;  // an icon, no text
        }
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        LOGFONTW font{};
        GetObjectW(handle, sizeof font, &font);
        const design::FontDesign& wanted =
            control.font.isStandard() ? design::kStandardFont : control.font;
        EXPECT_EQ(std::wstring(font.lfFaceName),
                  control.font.isStandard() ? L"MS Sans Serif" : Wide(wanted.family));
        EXPECT_EQ(font.lfHeight, -std::lround(wanted.points * dpi / 72.0));
        EXPECT_EQ(font.lfWeight >= FW_BOLD, wanted.bold);
        // The sweep's columns line up only in a fixed-pitch font.
        EXPECT_EQ(WritesAtFixedPitch(handle), wanted.family == "Courier");
    }
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

}  // namespace
}  // namespace zephyrod::win32::test
