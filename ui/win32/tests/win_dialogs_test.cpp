// The help and about windows' lifecycles: open, once only, edit, close.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dpi.h"
#include "stateful_window.h"
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

    // Tab into the text keeps its caret: one key does not replace it all.
    PressKey(Focused(), VK_TAB);
    ASSERT_TRUE(WaitFor([text] { return Focused() == text; }));
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);

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

// What the UI thread's windows ask of the system while it exists: focus
// frames and access-key underlines ("cues SET 3": WM_CHANGEUISTATE, its
// action and flags; Wine keeps no such state to read back), and the keys the
// system's dialog manager (IsDialogMessage) offers to the message filters
// ("dialog key 9").
class SystemRequests {
  public:
    SystemRequests()
        : sent_(SetWindowsHookExW(WH_CALLWNDPROC, Sent, nullptr, Ui().id())),
          filtered_(SetWindowsHookExW(WH_MSGFILTER, Filtered, nullptr, Ui().id())) {}
    ~SystemRequests() {
        UnhookWindowsHookEx(sent_);
        UnhookWindowsHookEx(filtered_);
    }
    SystemRequests(const SystemRequests&) = delete;
    SystemRequests& operator=(const SystemRequests&) = delete;

    // The requests since the last call.
    static std::vector<std::string> Take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(seen_, {});
    }

  private:
    static void Add(const char* what, int number) {
        const std::lock_guard lock(mutex_);
        seen_.push_back(std::string(what).append(" ").append(std::to_string(number)));
    }
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_CHANGEUISTATE) {
            Add(LOWORD(sent->wParam) == UIS_SET ? "cues SET" : "cues CLEAR", HIWORD(sent->wParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Filtered(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN) {
            Add("dialog key", static_cast<int>(message->wParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::mutex mutex_;
    static inline std::vector<std::string> seen_;
    HHOOK sent_;
    HHOOK filtered_;
};

using Requests = std::vector<std::string>;

// Whether `seen` holds each of `expected`: on Windows the dialog manager and
// the default window procedure send requests of their own besides.
bool HasEach(const Requests& seen, const Requests& expected) {
    return std::all_of(expected.begin(), expected.end(), [&seen](const std::string& request) {
        return std::find(seen.begin(), seen.end(), request) != seen.end();
    });
}

// Hidden as a window opens, unless the system always shows them; Tab shows
// the focus (1), Alt the access keys (2) too.
TEST_F(MainWindowTest, KeyboardCuesShowOnceTheKeyboardIsUsed) {
    struct AlwaysShown {  // the system's setting, back as it was after the test
        BOOL before = FALSE;
        AlwaysShown() { SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &before, 0); }
        ~AlwaysShown() { Set(before); }
        static void Set(BOOL shown) {
            SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(INT_PTR{shown}),
                                  0);
        }
    } const setting;
    const SystemRequests requests;
    AlwaysShown::Set(FALSE);
    HWND help = OpenHelp();
    AlwaysShown::Set(TRUE);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(requests.Take(), Requests{"cues SET 3"});
    PressKey(Focused(), VK_TAB);
    Ui().Flush();
    EXPECT_TRUE(HasEach(requests.Take(), {"cues CLEAR 1", "dialog key 9"}));
    PostMessageW(Focused(), WM_SYSKEYDOWN, VK_MENU, LPARAM{1} | (LPARAM{1} << 29));
    Ui().Flush();
    EXPECT_TRUE(HasEach(requests.Take(), {"cues CLEAR 3"}));
    // Always shown: nothing hidden as the about window opens.
    ASSERT_NE(OpenAbout(), nullptr);
    EXPECT_FALSE(HasEach(requests.Take(), {"cues SET 3"}));
}

struct CloseCase {
    const char* name;
    void (*close)(HWND about, HWND main);
};

const CloseCase kCloseWays[] = {
    {"OkButton", [](HWND about, HWND) { Click(AboutControl(about, "cmdOK")); }},
    {"Enter", [](HWND, HWND) { PressKey(Focused(), VK_RETURN); }},
    {"TabThenEnter",
     [](HWND, HWND) {
         PressKey(Focused(), VK_TAB);
         PressKey(Focused(), VK_RETURN);
     }},
    {"Esc", [](HWND, HWND) { PressKey(Focused(), VK_ESCAPE); }},
    {"CloseBox", [](HWND about, HWND) { PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"CloseMessage", [](HWND about, HWND) { PostMessageW(about, WM_CLOSE, 0, 0); }},
    {"OwnerDestroyed", [](HWND, HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
    {"SessionEnds",
     [](HWND about, HWND main) {
         for (HWND window : {about, main, WindowOfClass(kHelpClass)}) {
             PostMessageW(window, WM_ENDSESSION, TRUE, 0);
         }
     }},
};

HWND ActiveWindow() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(Ui().id(), &info) ? info.hwndActive : nullptr;
}

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

    GetParam().close(about, main_);
    ASSERT_TRUE(WaitFor([about] { return !IsWindow(about); }));
    Ui().Flush();
    if (!IsWindow(main_)) {
        EXPECT_FALSE(IsWindow(help));  // it went with the main window
        return;
    }
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_TRUE(IsWindowEnabled(help));
    EXPECT_EQ(ActiveWindow(), main_);
    // The main window works again.
    Calculate();
    EXPECT_EQ(SendMessageW(Main("lstSweep"), LB_GETCOUNT, 0, 0), 23);
}

INSTANTIATE_TEST_SUITE_P(CloseWays, AboutTest, ::testing::ValuesIn(kCloseWays),
                         [](const auto& info) { return std::string(info.param.name); });

// Chosen twice before the first about window is up: the second request is
// handled by the first window's own loop and opens none.
TEST_F(MainWindowTest, AboutChosenTwiceOpensOne) {
    ChooseMenu(main_, MenuCommand("mnuAbout"));
    ChooseMenu(main_, MenuCommand("mnuAbout"));
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&about] { return (about = WindowOfClass(kAboutClass)) != nullptr; }));
    Ui().Flush();
    EXPECT_EQ(WindowsOfClass(kAboutClass), std::vector<HWND>{about});
    CloseAndWait(about);
    Ui().Flush();
    EXPECT_EQ(WindowOfClass(kAboutClass), nullptr);
}

// Whether a pixel is black drawn on the face, its edges smoothed: a shade
// between the two, each channel the same fraction of the face's.
bool BlackOnFace(COLORREF pixel, COLORREF face) {
    const double fraction = static_cast<double>(GetRValue(pixel)) / GetRValue(face);
    const auto matches = [fraction](BYTE channel, BYTE faceChannel) {
        return std::abs(channel - fraction * faceChannel) <= 2.0;
    };
    return fraction <= 1.0 && matches(GetGValue(pixel), GetGValue(face)) &&
           matches(GetBValue(pixel), GetBValue(face));
}

// The about window's own face, whatever the desktop's colours: every label
// shows black text on it, nothing else.
TEST_F(MainWindowTest, AboutShowsBlackTextsOnItsOwnFace) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    const design::WindowDesign& design = design::AboutWindowDesign();
    ASSERT_TRUE(design.faceColor);
    const COLORREF face =
        RGB(design.faceColor->red, design.faceColor->green, design.faceColor->blue);
    const COLORREF black = RGB(0, 0, 0);
    const int margin = design::Pixels(120);
    EXPECT_TRUE(WaitFor(
        [&] {
            return PixelsOf(about, RECT{margin, margin, margin + 1, margin + 1}).front() == face;
        },
        std::chrono::seconds(5)));
    for (const design::ControlDesign& control : design.controls) {
        if (control.kind != design::ControlKind::Label) {
            continue;
        }
        RECT client{};
        GetClientRect(about, &client);
        RECT shown{};
        const RECT label = ClientRectOf(AboutControl(about, control.name));
        IntersectRect(&shown, &label, &client);
        // The label paints after the face: wait until its text is there.
        std::vector<COLORREF> pixels;
        WaitFor(
            [&] {
                pixels = PixelsOf(about, shown);
                return std::find(pixels.begin(), pixels.end(), black) != pixels.end();
            },
            std::chrono::seconds(5));
        EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [&](COLORREF pixel) {
            return BlackOnFace(pixel, face);
        })) << control.name;
        EXPECT_NE(std::find(pixels.begin(), pixels.end(), black), pixels.end()) << control.name;
    }
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// Moved to a screen of 1.5 times the DPI: icons at the new DPI's sizes (the
// fonts: see DpiChangeTest).
TEST_F(MainWindowTest, AboutIconsFollowADpiChange) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    constexpr int kDpi = 144;
    RECT suggested{};
    GetWindowRect(about, &suggested);
    SendMessageW(about, WM_DPICHANGED, MAKEWPARAM(kDpi, kDpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const auto picture =
        reinterpret_cast<HICON>(SendMessageW(AboutControl(about, "picIcon"), STM_GETICON, 0, 0));
    EXPECT_EQ(IconWidth(picture), 48);  // 32 pixels at 96 DPI
    EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(SendMessageW(about, WM_GETICON, ICON_BIG, 0))),
              SystemMetricForDpi(SM_CXICON, kDpi));
    EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(SendMessageW(about, WM_GETICON, ICON_SMALL, 0))),
              SystemMetricForDpi(SM_CXSMICON, kDpi));
}

// The etched rule: a grey line with a white one below it.
TEST_F(MainWindowTest, AboutDrawsItsLines) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    const design::WindowDesign& design = design::AboutWindowDesign();
    for (int index : {1, 0}) {
        const design::ControlDesign& line = design::Control(design, "Line1", index);
        const design::Rgb& rgb = line.color;
        const int x = design::Pixels((line.rect.left + line.x2()) / 2);
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

// A window that cannot be created (its class was never registered) leaves
// neither its state nor its menu behind.
TEST(WindowCreation, FailingBeforeTheStateIsStoredFreesStateAndMenu) {
    struct Probe {
        bool* freed;
        ~Probe() { *freed = true; }
    };
    design::WindowDesign unregistered = design::HelpWindowDesign();
    unregistered.name = "frmNeverRegistered";
    bool freed = false;
    HMENU menu = CreateMenu();
    EXPECT_EQ(CreateStatefulWindow(unregistered, nullptr, MenuHolder(menu),
                                   std::make_unique<Probe>(&freed)),
              nullptr);
    EXPECT_TRUE(freed);
    EXPECT_FALSE(IsMenu(menu));
}

// Window states of their own design, on windows of the test's thread.
template <int kNumber>
struct ProbeState {
    static const design::WindowDesign& Design() {
        static const design::WindowDesign kDesign{kNumber == 1 ? "frmProbe" : "frmOtherProbe",
                                                  "",
                                                  1440,
                                                  1440,
                                                  design::Border::FixedSingle,
                                                  design::StartPosition::PlatformDefault};
        return kDesign;
    }
    bool Load(HWND) { return true; }
    WindowCore core{Design(), design::kDesignDpi};
};

std::optional<LRESULT> NoMessage(HWND, ProbeState<1>&, UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

// A window's state is handed out typed, and only for a window of the state's
// own class: never a window of another class, whatever it stores.
TEST_F(MainWindowTest, StateOfRefusesAWindowOfAnotherClass) {
    using Probe = ProbeState<1>;
    RegisterWindowClass(Probe::Design(), StatefulProcedure<Probe, NoMessage>);
    auto created = std::make_unique<Probe>();
    Probe* const state = created.get();
    HWND probe = CreateStatefulWindow(Probe::Design(), nullptr, nullptr, std::move(created));
    ASSERT_NE(probe, nullptr);
    HWND control = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 1, 1, probe, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));

    EXPECT_EQ(StateOf<Probe>(probe), state);
    EXPECT_EQ(StateOf<ProbeState<2>>(probe), nullptr);
    EXPECT_EQ(StateOf<Probe>(main_), nullptr);
    EXPECT_EQ(StateOf<Probe>(control), nullptr);
    EXPECT_EQ(StateOf<Probe>(nullptr), nullptr);
    DestroyWindow(probe);
}

}  // namespace
}  // namespace zephyrod::win32::test
