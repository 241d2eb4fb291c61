// The help and about windows' lifecycles: open, once only, edit, close.
#include <gtest/gtest.h>

#include "ui_texts.h"
#include "win_fixture.h"

namespace zephyrod::win32::test {
namespace {

HWND HelpControl(HWND help, std::string_view name) {
    return FindControl(help, design::HelpWindowDesign(), name);
}

HWND AboutControl(HWND about, std::string_view name) {
    return FindControl(about, design::AboutWindowDesign(), name);
}

TEST_F(MainWindowTest, HelpOpensOnceKeepsEditsAndOkClosesIt) {
    HWND help = OpenHelp();
    ASSERT_NE(help, nullptr);
    HWND text = HelpControl(help, "txtHelp");
    EXPECT_EQ(Text(text), Wide(design::HelpText()));
    EXPECT_EQ(Text(help), L"");
    EXPECT_EQ(GetWindow(help, GW_OWNER), nullptr);
    EXPECT_EQ(Focused(), HelpControl(help, "cmdOK"));

    // Enter in the text starts a new line; Esc does nothing.
    SetWindowTextW(text, L"edited");
    SendMessageW(text, EM_SETSEL, 6, 6);
    PressKey(text, VK_RETURN);
    PressKey(text, VK_ESCAPE);
    Ui().Flush();
    EXPECT_EQ(Text(text), L"edited\r\n");
    ASSERT_TRUE(IsWindow(help));

    // Chosen again: the same window, to the front, with the edits.
    OpenHelp();
    EXPECT_EQ(WindowsOfClass(kHelpClass), std::vector<HWND>{help});
    EXPECT_EQ(Text(text), L"edited\r\n");

    Click(HelpControl(help, "cmdOK"));
    ASSERT_TRUE(WaitFor([help] { return !IsWindow(help); }));
    HWND again = OpenHelp();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Text(HelpControl(again, "txtHelp")), Wide(design::HelpText()));
}

struct CloseCase {
    const char* name;
    void (*close)(HWND about);
};

const CloseCase kCloseWays[] = {
    {"OkButton", [](HWND about) { Click(AboutControl(about, "cmdOK")); }},
    {"Enter", [](HWND) { PressKey(Focused(), VK_RETURN); }},
    {"Esc", [](HWND) { PressKey(Focused(), VK_ESCAPE); }},
    {"CloseBox", [](HWND about) { PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

void PrintTo(const CloseCase& way, std::ostream* out) {
    *out << way.name;
}

class AboutTest : public MainWindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutTest, ModalOverTheMainWindowUntilClosed) {
    HWND help = OpenHelp();
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Text(about), Wide(design::AboutCaption()));
    EXPECT_EQ(Text(AboutControl(about, "lblVersion")), Wide(design::VersionLine()));
    EXPECT_EQ(Text(AboutControl(about, "lblDescription")), Wide(design::AboutDescription()));
    EXPECT_EQ(GetWindow(about, GW_OWNER), main_);
    EXPECT_EQ(Focused(), AboutControl(about, "cmdOK"));
    // Nothing else of the program takes input meanwhile.
    EXPECT_FALSE(IsWindowEnabled(main_));
    EXPECT_FALSE(IsWindowEnabled(help));
    // Centred over the main window.
    RECT owner{};
    RECT box{};
    GetWindowRect(main_, &owner);
    GetWindowRect(about, &box);
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);

    GetParam().close(about);
    ASSERT_TRUE(WaitFor([about] { return !IsWindow(about); }));
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_TRUE(IsWindowEnabled(help));
    // The main window works again.
    Calculate();
    EXPECT_EQ(SendMessageW(Main("lstSweep"), LB_GETCOUNT, 0, 0), 23);
}

INSTANTIATE_TEST_SUITE_P(CloseWays, AboutTest, ::testing::ValuesIn(kCloseWays),
                         [](const auto& info) { return std::string(info.param.name); });

// The etched rule: a grey line with a white one below it.
TEST_F(MainWindowTest, AboutDrawsItsLines) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    const design::WindowDesign& design = design::AboutWindowDesign();
    for (int index : {1, 0}) {
        const design::ControlDesign& line = design::Control(design, "Line1", index);
        const design::Rgb& rgb = line.color;
        const int x = design::Pixels((line.rect.left + line.x2) / 2);
        const int y = design::Pixels(line.rect.top);
        EXPECT_TRUE(WaitFor(
            [&] {
                HDC dc = GetDC(about);
                const COLORREF pixel = GetPixel(dc, x, y);
                ReleaseDC(about, dc);
                return pixel == RGB(rgb.red, rgb.green, rgb.blue);
            },
            std::chrono::seconds(5)))
            << "Line1(" << index << ")";
    }
}

}  // namespace
}  // namespace zephyrod::win32::test
