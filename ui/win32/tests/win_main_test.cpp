// The main window as a user meets it: the start, Calculate, the keys, the
// errors, Copy and Copy All, the menu bar, and closing the program.
#include <gtest/gtest.h>

#include "calculate_outcome.h"
#include "clipboard.h"
#include "default_design.h"
#include "input_fields.h"
#include "ui_texts.h"
#include "win_fixture.h"
#include "win_text.h"

namespace zephyrod::win32::test {
namespace {

const std::vector<std::wstring> kValues = Wide(testdata::kDefaultResults);
const std::vector<std::wstring> kSweep = Wide(testdata::kDefaultSweep);
constexpr int kCentreRow = 12;

int Selected(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

// Whether the whole text of a field is selected.
bool WholeTextSelected(HWND field) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == Text(field).size();
}

TEST_F(MainWindowTest, StartsWithTheDefaultsAndTheFirstFieldSelected) {
    const InputTexts defaults = DefaultInputTexts();
    for (const InputFieldInfo& info : kInputFields) {
        EXPECT_EQ(Text(Main(design::FieldControl(info.field))), Wide(TextOf(defaults, info.field)))
            << design::FieldControl(info.field);
    }
    for (const char* list : {"lstValues", "lstSweep"}) {
        EXPECT_TRUE(Lines(Main(list)).empty()) << list;
        EXPECT_EQ(Selected(Main(list)), LB_ERR) << list;
    }
    ASSERT_TRUE(WaitFor([this] { return Focused() == Main("txtFreq"); }));
    EXPECT_TRUE(WholeTextSelected(Main("txtFreq")));
    EXPECT_EQ(Text(main_), L"Zephyrod Metric Calculator");
    // The whole window, title bar included, on the screen's working area.
    RECT work{};
    RECT window{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(main_, &window);
    EXPECT_GE(window.left, work.left);
    EXPECT_GE(window.top, work.top);
    EXPECT_LE(window.right, work.right);
    EXPECT_LE(window.bottom, work.bottom);
}

// A screen reader names a field by its caption, the label just before it.
TEST_F(MainWindowTest, FieldsAreNamedByTheirCaptions) {
    for (const InputFieldInfo& info : kInputFields) {
        EXPECT_EQ(AccessibleName(Main(design::FieldControl(info.field))), Wide(info.caption))
            << design::FieldControl(info.field);
    }
}

TEST_F(MainWindowTest, MenuBarKeepsHelpOnTheFirstRow) {
    HMENU bar = GetMenu(main_);
    ASSERT_NE(bar, nullptr);
    for (const design::MenuItemDesign& item : design::MainWindowDesign().menu) {
        if (const int id = MenuCommand(item.name)) {
            wchar_t caption[256] = {};
            GetMenuStringW(bar, static_cast<UINT>(id), caption, 256, MF_BYCOMMAND);
            const std::wstring text = caption;
            EXPECT_EQ(text.substr(0, text.find(L'\t')), Wide(item.caption)) << item.name;
        }
    }
    RECT blank{};
    RECT help{};
    RECT window{};
    ASSERT_TRUE(GetMenuItemRect(main_, bar, 0, &blank));
    ASSERT_TRUE(GetMenuItemRect(main_, bar, 1, &help));
    GetWindowRect(main_, &window);
    EXPECT_EQ(help.top, blank.top);
    EXPECT_LE(help.right, window.right);
    wchar_t caption[16] = {};
    GetMenuStringW(bar, 1, caption, 16, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"&Help");

    // The blank item does nothing.
    ChooseMenu(main_, MenuCommand("mnuEMPTY"));
    Ui().Flush();
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_EQ(WindowOfClass(kHelpClass), nullptr);
    EXPECT_EQ(WindowOfClass(kAboutClass), nullptr);
}

TEST_F(MainWindowTest, CalculateFillsBothListsAndSelectsTheCentreRow) {
    for (int press = 1; press <= 2; ++press) {
        Calculate();
        EXPECT_EQ(Lines(Main("lstValues")), kValues) << "press " << press;
        EXPECT_EQ(Lines(Main("lstSweep")), kSweep) << "press " << press;
        EXPECT_EQ(Selected(Main("lstSweep")), kCentreRow);
    }
    EXPECT_EQ(MessageBoxOf(main_), nullptr);
}

TEST_F(MainWindowTest, EnterAndEscInAFieldDoNothing) {
    for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
        PressKey(Main("txtTPI"), key);
    }
    Ui().Flush();
    EXPECT_TRUE(Lines(Main("lstValues")).empty());
    EXPECT_EQ(MessageBoxOf(main_), nullptr);
    EXPECT_TRUE(IsWindow(main_));
}

// Focused by a click (without the default button's look) or by Tab,
// Calculate takes Enter and Space.
TEST_F(MainWindowTest, EnterOrSpaceOnTheFocusedButtonCalculates) {
    HWND button = Main("cmdGo");
    for (const char* focusedBy : {"click", "Tab"}) {
        if (focusedBy == std::string_view("click")) {
            PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            Ui().Flush();
        } else {  // once round the window
            for (int tab = 0; tab == 0 || (tab < 8 && Focused() != button); ++tab) {
                PressKey(Focused(), VK_TAB);
                Ui().Flush();
            }
        }
        ASSERT_EQ(Focused(), button) << focusedBy;
        for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_SPACE}}) {
            SendMessageW(Main("lstValues"), LB_RESETCONTENT, 0, 0);
            PressKey(button, key);
            Ui().Flush();
            EXPECT_EQ(Lines(Main("lstValues")), kValues) << focusedBy << ", key " << key;
        }
    }
}

// The words of each report are the design's (its tests check them); the
// window must show them, what to fix first, and act on them.
struct ErrorCase {
    const char* name;
    InputField field;
    const char* text;
};

const ErrorCase kErrors[] = {
    {"NotANumber", InputField::Frequency, "abc"},
    {"Empty", InputField::TurnsPerCm, ""},
    {"TooLarge", InputField::ResonatorDiameter, "999999999999999999999999999999999999999999999"},
    {"ZeroFrequency", InputField::Frequency, "0"},
    {"ZeroCoilDiameter", InputField::CoilDiameter, "0"},
    {"TooHighForTheResonator", InputField::Frequency, "110"},
    {"SweepReachesZero", InputField::Frequency, "0.5"},
};

void PrintTo(const ErrorCase& error, std::ostream* out) {
    *out << error.name;
}

class ErrorTest : public MainWindowTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorTest, ReportedInABoxThenTheProgramGoesOn) {
    const ErrorCase& error = GetParam();
    InputTexts texts = DefaultInputTexts();
    TextOf(texts, error.field) = error.text;
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    ASSERT_TRUE(outcome.error);
    const std::wstring errorLine = Wide(outcome.error->errorLine);
    Calculate();  // the defaults first: there is something to keep
    HWND field = Main(design::FieldControl(error.field));
    SetWindowTextW(field, Wide(error.text).c_str());
    Calculate();
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = MessageBoxOf(main_)) != nullptr; }));
    EXPECT_EQ(Text(box), Wide(outcome.error->title));
    const std::wstring shown = MessageBoxText(box);
    EXPECT_TRUE(shown.starts_with(Wide(outcome.error->message))) << Narrow(shown);
    // The run-time error on a line of its own, after an empty line.
    EXPECT_TRUE(shown.ends_with(errorLine) && shown.find(L"\n\n" + errorLine) != std::wstring::npos)
        << Narrow(shown);
    EXPECT_FALSE(shown.starts_with(L"Run-time"));
    EXPECT_EQ(shown, Wide(outcome.error->Text()));
    PressOk(box);
    ASSERT_TRUE(WaitFor([box] { return !IsWindow(box); }));
    Ui().Flush();

    if (!outcome.sweep) {
        EXPECT_EQ(Lines(Main("lstValues")), kValues);
        EXPECT_EQ(Lines(Main("lstSweep")), kSweep);
        // The field at fault, its text selected for typing over.
        EXPECT_EQ(Focused(), field);
        EXPECT_TRUE(WholeTextSelected(field));
    } else {
        EXPECT_EQ(Lines(Main("lstValues")).size(), 6U);
        EXPECT_EQ(Lines(Main("lstSweep")).size(), outcome.sweep->size());
        EXPECT_EQ(Focused(), Main("cmdGo"));
    }
    // Fixed, Calculate works again.
    SetWindowTextW(field, Wide(TextOf(DefaultInputTexts(), error.field)).c_str());
    Calculate();
    EXPECT_EQ(MessageBoxOf(main_), nullptr);
    EXPECT_EQ(Lines(Main("lstSweep")), kSweep);
    EXPECT_EQ(Selected(Main("lstSweep")), kCentreRow);
}

INSTANTIATE_TEST_SUITE_P(Errors, ErrorTest, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, CtrlCCopiesTheSelectedLineAndCopyAllEveryLine) {
    Calculate();
    HWND sweep = Main("lstSweep");
    PostMessageW(sweep, WM_CHAR, 0x03, 1);  // Ctrl+C
    Ui().Flush();
    EXPECT_EQ(ClipboardText(), kSweep[kCentreRow]);

    // The context menu: Copy, then Copy All.
    PostMessageW(main_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(sweep), MAKELPARAM(-1, -1));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (menu = WindowOfClass(L"#32768")) != nullptr; }));
    const auto popup = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
    for (UINT position : {0U, 1U}) {
        wchar_t caption[32] = {};
        GetMenuStringW(popup, position, caption, 32, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(caption),
                  Wide(position == 0 ? design::kCopyCaption : design::kCopyAllCaption));
    }
    for (WPARAM key : {WPARAM{VK_DOWN}, WPARAM{VK_DOWN}, WPARAM{VK_RETURN}}) {
        PressKey(menu, key);
    }
    ASSERT_TRUE(WaitFor([] { return WindowOfClass(L"#32768") == nullptr; }));
    Ui().Flush();
    std::wstring all;
    for (const std::wstring& line : kSweep) {
        if (!all.empty()) {
            all += L"\r\n";
        }
        all += line;
    }
    EXPECT_EQ(ClipboardText(), all);
}

// Tab into a list without a selection frames its first line: Ctrl+C copies it.
TEST_F(MainWindowTest, CtrlCWithoutASelectionCopiesTheFramedLine) {
    Calculate();
    HWND values = Main("lstValues");
    SendMessageW(values, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(values, LB_SETCARETINDEX, 0, 0);
    PostMessageW(values, WM_CHAR, 0x03, 1);  // Ctrl+C
    Ui().Flush();
    EXPECT_EQ(ClipboardText(), kValues[0]);
}

// The help menu item shows its key, which works from the window and from
// each kind of control in it.
TEST_F(MainWindowTest, F1OpensTheHelp) {
    wchar_t caption[64] = {};
    GetMenuStringW(GetMenu(main_), MenuCommand("mnuZRHelp"), caption, 64, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"Zephyrod Calculator &Help\tF1");
    for (const char* from : {"txtFreq", "cmdGo", "lstSweep", ""}) {
        PressKey(*from != '\0' ? Main(from) : main_, VK_F1);
        HWND help = nullptr;
        ASSERT_TRUE(WaitFor([&help] { return (help = WindowOfClass(kHelpClass)) != nullptr; }))
            << "F1 in " << from;
        CloseAndWait(help);
    }
}

// A right click selects the line under the pointer before the menu opens,
// and Copy copies it; the menu key keeps the selection (the centre row).
struct PointedLine {
    const char* name;
    const char* list;
    int belowTop;  // the line clicked, counted from the top one shown; -1: the menu key
};

const PointedLine kPointedLines[] = {
    {"ValuesFourthLine", "lstValues", 3},
    {"SweepSecondLine", "lstSweep", 1},
    {"MenuKeyOnTheSweep", "lstSweep", -1},
};

class CopyMenuTest : public MainWindowTest, public ::testing::WithParamInterface<PointedLine> {};

TEST_P(CopyMenuTest, CopyCopiesTheLinePointedAt) {
    const PointedLine& pointed = GetParam();
    Calculate();
    HWND list = Main(pointed.list);
    int row = kCentreRow;
    if (pointed.belowTop < 0) {
        PostMessageW(main_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    } else {
        row = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) + pointed.belowTop;
        RECT line{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&line));
        const LPARAM at = MAKELPARAM(line.left + 4, (line.top + line.bottom) / 2);
        PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
        PostMessageW(list, WM_RBUTTONUP, 0, at);
    }
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (menu = WindowOfClass(L"#32768")) != nullptr; }));
    EXPECT_EQ(Selected(list), row);
    CopyText(nullptr, L"");
    for (WPARAM key : {WPARAM{VK_DOWN}, WPARAM{VK_RETURN}}) {
        PressKey(menu, key);
    }
    ASSERT_TRUE(WaitFor([] { return WindowOfClass(L"#32768") == nullptr; }));
    Ui().Flush();
    EXPECT_EQ(ClipboardText(), Lines(list)[static_cast<std::size_t>(row)]);
}

INSTANTIATE_TEST_SUITE_P(Lines, CopyMenuTest, ::testing::ValuesIn(kPointedLines),
                         [](const auto& info) { return std::string(info.param.name); });

// Scrolled sideways, the sweep showed the ends of the numbers alone after the
// next Calculate; it starts again from its left edge, the centre row shown.
TEST_F(MainWindowTest, CalculateShowsTheSweepFromItsLeftEdge) {
    Calculate();
    HWND sweep = Main("lstSweep");
    PostMessageW(sweep, WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), 0);
    PostMessageW(sweep, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    ASSERT_TRUE(WaitFor([sweep] { return GetScrollPos(sweep, SB_HORZ) > 0; }));
    Calculate();
    EXPECT_EQ(GetScrollPos(sweep, SB_HORZ), 0);
    RECT client{};
    RECT centre{};
    GetClientRect(sweep, &client);
    SendMessageW(sweep, LB_GETITEMRECT, kCentreRow, reinterpret_cast<LPARAM>(&centre));
    EXPECT_EQ(centre.left, 0);
    EXPECT_GE(centre.top, 0);
    EXPECT_LE(centre.bottom, client.bottom);
}

TEST_F(MainWindowTest, CannotBeMaximised) {
    PostMessageW(main_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Ui().Flush();
    EXPECT_FALSE(IsZoomed(main_));
    ShowWindowAsync(main_, SW_MAXIMIZE);
    ASSERT_TRUE(WaitFor([this] { return !IsZoomed(main_); }));
    EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(MainWindowTest, ClosingTheProgramClosesTheHelpWindowAndEndsTheLoop) {
    HWND help = OpenHelp();
    ASSERT_NE(help, nullptr);
    const int loopsBefore = Ui().loopsEnded();
    PostMessageW(main_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return Ui().loopsEnded() > loopsBefore; }));
    EXPECT_FALSE(IsWindow(main_));
    EXPECT_FALSE(IsWindow(help));
}

}  // namespace
}  // namespace zephyrod::win32::test
