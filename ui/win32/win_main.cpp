#include <optional>

#include "win_main.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "accessible_names.h"
#include "calculate_outcome.h"
#include "clipboard.h"
#include "control_ids.h"
#include "controls.h"
#include "input_fields.h"
#include "menu_bar.h"
#include "ui_texts.h"
#include "win_about.h"
#include "win_help.h"
#include "win_text.h"
#include "window_frame.h"

namespace zephyrod::win32 {
namespace {

// mnuAbout_Click posts this, so that the menu command returns at once and
// the modal about window runs from the message loop.
constexpr UINT kShowAbout = WM_APP + 1;

struct MainWindow {
    WindowCore core{design::MainWindowDesign(), 96};
    // The menu bar's blank item: its width, measured at the menu's DPI.
    int blankMenuWidth = 0;
    int menuDpi = 96;
    HWND help = nullptr;
};

HWND Named(HWND window, std::string_view name) {
    return FindControl(window, design::MainWindowDesign(), name);
}

// Replaces a list's lines; the horizontal scroll bar reaches the widest.
void SetLines(HWND list, const std::vector<std::string>& lines) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& line : lines) {
        const std::wstring text = Widen(line);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    // A few pixels of margin beside the text, as the list draws it.
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void FocusControl(HWND control) {
    SetFocus(control);
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    if (lstrcmpiW(kind, L"Edit") == 0) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

// What a screen reader says for each field (its caption, its unit) and list.
void NameForScreenReaders(HWND window) {
    for (const InputFieldInfo& info : kInputFields) {
        SetAccessibleName(Named(window, info.name), info.caption, info.unit);
    }
    SetAccessibleName(Named(window, "lstValues"), design::kValuesAccessibleName);
    SetAccessibleName(Named(window, "lstSweep"), design::kSweepAccessibleName);
}

void ForgetScreenReaderNames(HWND window) {
    for (const InputFieldInfo& info : kInputFields) {
        ForgetAccessibleName(Named(window, info.name));
    }
    ForgetAccessibleName(Named(window, "lstValues"));
    ForgetAccessibleName(Named(window, "lstSweep"));
}

void Form_Load(HWND window) {
    const InputTexts defaults = DefaultInputTexts();
    for (const InputFieldInfo& info : kInputFields) {
        SetWindowTextW(Named(window, info.name), Widen(TextOf(defaults, info.field)).c_str());
    }
}

void Calculate(HWND window) {
    InputTexts texts;
    for (const InputFieldInfo& info : kInputFields) {
        TextOf(texts, info.field) = Narrow(WindowText(Named(window, info.name)));
    }
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    HWND values = Named(window, "lstValues");
    HWND sweep = Named(window, "lstSweep");
    if (outcome.values) {
        SetLines(values, *outcome.values);
    }
    if (outcome.sweep) {
        SetLines(sweep, *outcome.sweep);
    }
    if (outcome.selectIndex &&
        *outcome.selectIndex < static_cast<int>(SendMessageW(sweep, LB_GETCOUNT, 0, 0))) {
        // Selecting scrolls the entry into view.
        SendMessageW(sweep, LB_SETCURSEL, static_cast<WPARAM>(*outcome.selectIndex), 0);
    }
    if (outcome.error) {
        MessageBoxW(window, Widen(outcome.error->Text()).c_str(),
                    Widen(outcome.error->title).c_str(), MB_OK | MB_ICONWARNING);
    }
    if (!outcome.focus.empty()) {
        if (HWND control = Named(window, outcome.focus)) {
            FocusControl(control);
        }
    }
}

void cmdGo_Click(HWND window) {
    Calculate(window);
}

void mnuZRHelp_Click(HWND window, MainWindow& state) {
    if (HWND help = HelpWindowOf(window)) {
        // Already open: to the front, text and edits as they are.
        ShowWindow(help, SW_SHOWNORMAL);
        BringWindowToTop(help);
        SetForegroundWindow(help);
        return;
    }
    state.help = OpenHelpWindow();
}

void mnuAbout_Click(HWND window) {
    PostMessageW(window, kShowAbout, 0, 0);
}

void Form_Unload(HWND window) {
    if (HWND help = HelpWindowOf(window)) {
        DestroyWindow(help);
    }
}

void OnCommand(HWND window, MainWindow& state, WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (id == IDC_cmdGo && HIWORD(wParam) == BN_CLICKED) {
        cmdGo_Click(window);
    } else if (id == IDM_mnuZRHelp) {
        mnuZRHelp_Click(window, state);
    } else if (id == IDM_mnuAbout) {
        mnuAbout_Click(window);
    }
    // mnuEMPTY, Esc: nothing.
}

void OnDpiChanged(HWND window, MainWindow& state, WPARAM wParam, const RECT& suggested) {
    state.core.fonts.Rescale(LOWORD(wParam));
    PlaceControls(window, state.core.design, state.core.fonts);
    SetProgramIcons(window, state.core);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The menu font changed with the DPI: Help back on the first row.
    state.menuDpi = LOWORD(wParam);
    state.blankMenuWidth = BlankItemWidth(state.core.design, state.menuDpi);
    FitMenuBar(window, state.blankMenuWidth);
    SizeClientToDesign(window, state.core.design);
}

// Every message of the window but the first and last few, which
// StatefulProcedure handles; nullopt leaves it to the default procedure.
std::optional<LRESULT> MainMessage(HWND window, MainWindow& state, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            // Before the menu bar is first measured.
            state.menuDpi = WindowDpi(window);
            state.blankMenuWidth = BlankItemWidth(state.core.design, state.menuDpi);
            break;
        case WM_CREATE:
            state.core.fonts.Rescale(WindowDpi(window));
            CreateControls(window, state.core.design, state.core.fonts);
            SetProgramIcons(window, state.core);
            NameForScreenReaders(window);
            Form_Load(window);
            return 0;
        case WM_MEASUREITEM:
            if (MeasureBlankItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam),
                                 state.blankMenuWidth, state.menuDpi)) {
                return TRUE;
            }
            break;
        case WM_DRAWITEM:
            if (DrawBlankItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            break;
        case WM_COMMAND:
            OnCommand(window, state, wParam);
            return 0;
        case kShowAbout:
            // About chosen twice in a row: the second request reaches the
            // first about window's loop, and ShowAboutWindow opens no other.
            ShowAboutWindow(window);
            return 0;
        case WM_CONTEXTMENU: {
            HWND target = reinterpret_cast<HWND>(wParam);
            if (target == Named(window, "lstValues") || target == Named(window, "lstSweep")) {
                ShowCopyMenu(
                    window, target,
                    POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
                return 0;
            }
            break;
        }
        case WM_SYSCOMMAND:
            // The window can be minimised but not maximised, whatever offers it.
            if ((wParam & 0xFFF0) == SC_MAXIMIZE) {
                return 0;
            }
            break;
        case WM_SIZE:
            if (wParam == SIZE_MAXIMIZED) {
                PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
            }
            break;
        case WM_ACTIVATE:
            KeepFocusOnActivate(window, state.core, wParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(window, state, wParam, *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            Form_Unload(window);
            ForgetScreenReaderNames(window);
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

HWND HelpWindowOf(HWND mainWindow) {
    auto* state = static_cast<MainWindow*>(StateOf(mainWindow));
    // The handle of a closed help window may since name another window.
    if (state == nullptr || state->help == nullptr || !IsWindow(state->help) ||
        !IsWindowOf(state->help, design::HelpWindowDesign())) {
        return nullptr;
    }
    return state->help;
}

HWND OpenMainWindow(int showCommand) {
    const design::WindowDesign& design = design::MainWindowDesign();
    RegisterWindowClass(design, StatefulProcedure<MainWindow, MainMessage>);
    HWND window = CreateStatefulWindow(design, nullptr, CreateMenuBar(design),
                                       std::make_unique<MainWindow>());
    if (window == nullptr) {
        return nullptr;
    }
    auto* state = static_cast<MainWindow*>(StateOf(window));
    FitMenuBar(window, state->blankMenuWidth);
    SizeClientToDesign(window, design);
    PlaceWindow(window, design, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    FocusControl(Named(window, kInputFields.front().name));
    return window;
}

}  // namespace zephyrod::win32
