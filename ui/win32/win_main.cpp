#include "win_main.h"

// After windows.h, which it builds on.
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "accelerators.h"
#include "calculate_outcome.h"
#include "clipboard.h"
#include "control_ids.h"
#include "controls.h"
#include "input_fields.h"
#include "list_lines.h"
#include "menu_bar.h"
#include "message_loop.h"
#include "stateful_window.h"
#include "ui_texts.h"
#include "win_about.h"
#include "win_help.h"
#include "win_text.h"
#include "window_placement.h"
#include "window_size.h"

namespace zephyrod::win32 {
namespace {

// mnuAbout_Click posts this, so that the menu command returns at once and
// the modal about window runs from the message loop.
constexpr UINT kShowAbout = WM_APP + 1;

// The controls and menu commands frmMain's code reaches, found once as the
// window is created.
struct MainControls {
    std::array<HWND, kInputFieldCount> fields{};  // in the order of kInputFields
    HWND cmdGo = nullptr;
    HWND lstValues = nullptr;
    HWND lstSweep = nullptr;
    UINT mnuZRHelp = 0;
    UINT mnuAbout = 0;

    HWND field(InputField which) const { return fields[static_cast<std::size_t>(which)]; }
    bool IsList(HWND control) const { return control == lstValues || control == lstSweep; }
};

struct MainWindow {
    static const design::WindowDesign& Design() { return design::MainWindowDesign(); }
    bool Load(HWND window);
    void FollowedDpi(HWND window);

    WindowCore core{Design(), design::kDesignDpi};
    MainControls controls;
    SpacerMenuItem menuSpacer;
    // The menu's shortcuts (F1), which the message loops translate.
    AcceleratorHolder accelerators = CreateAccelerators(design::MainWindowDesign());
    HWND help = nullptr;
};

// Every control and command the window's code reaches, or none where the
// design lacks one.
std::optional<MainControls> FindControls(HWND window, const design::WindowDesign& design) {
    MainControls found;
    for (const InputFieldInfo& info : kInputFields) {
        found.fields[static_cast<std::size_t>(info.field)] =
            FindControl(window, design, design::FieldControl(info.field));
    }
    found.cmdGo = FindControl(window, design, design::names::cmdGo);
    found.lstValues = FindControl(window, design, design::names::lstValues);
    found.lstSweep = FindControl(window, design, design::names::lstSweep);
    found.mnuZRHelp = MenuItemId(design, design::names::mnuZRHelp);
    found.mnuAbout = MenuItemId(design, design::names::mnuAbout);
    const bool fields =
        std::find(found.fields.begin(), found.fields.end(), nullptr) == found.fields.end();
    const bool complete = fields && found.cmdGo != nullptr && found.lstValues != nullptr &&
                          found.lstSweep != nullptr && found.mnuZRHelp != 0 && found.mnuAbout != 0;
    return complete ? std::optional(found) : std::nullopt;
}

void FocusControl(HWND control) {
    SetFocus(control);
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    if (lstrcmpiW(kind, L"Edit") == 0) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

void Form_Load(const MainControls& controls) {
    const InputTexts defaults = DefaultInputTexts();
    for (const InputFieldInfo& info : kInputFields) {
        SetWindowTextW(controls.field(info.field), Widen(TextOf(defaults, info.field)).c_str());
    }
}

void Calculate(HWND window, const MainControls& controls) {
    InputTexts texts;
    for (const InputFieldInfo& info : kInputFields) {
        TextOf(texts, info.field) = Narrow(WindowText(controls.field(info.field)));
    }
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    HWND sweep = controls.lstSweep;
    if (outcome.values) {
        SetLines(controls.lstValues, *outcome.values);
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
    if (outcome.focusField) {
        FocusControl(controls.field(*outcome.focusField));
    } else if (outcome.focusCalculate) {
        FocusControl(controls.cmdGo);
    }
}

void cmdGo_Click(HWND window, const MainControls& controls) {
    Calculate(window, controls);
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
    const MainControls& controls = state.controls;
    const int id = LOWORD(wParam);
    if (id == GetDlgCtrlID(controls.cmdGo) && HIWORD(wParam) == BN_CLICKED) {
        cmdGo_Click(window, controls);
    } else if (id == static_cast<int>(controls.mnuZRHelp)) {
        mnuZRHelp_Click(window, state);
    } else if (id == static_cast<int>(controls.mnuAbout)) {
        mnuAbout_Click(window);
    }
    // The menu's spacer, Esc (IDCANCEL), Enter in a field (IDOK): nothing.
}

// The window's creation fails where the design lacks a control the code
// reaches.
bool MainWindow::Load(HWND window) {
    const std::optional<MainControls> found = FindControls(window, core.design);
    if (!found) {
        return false;
    }
    controls = *found;
    Form_Load(controls);
    return true;
}

void OnDestroy(HWND window) {
    Form_Unload(window);
    PostQuitMessage(0);
}

// The menu font changed with the DPI: Help back on the first row.
void MainWindow::FollowedDpi(HWND window) {
    menuSpacer = MeasuredSpacer(core.design, core.fonts.dpi());
    FitMenuBar(window, menuSpacer);
}

// A right click selects the line under the pointer, so that Copy copies the
// line the user pointed at; below the last line the selection stays.
void SelectLineAt(HWND list, POINT screen) {
    POINT client = screen;
    ScreenToClient(list, &client);
    const auto found =
        static_cast<DWORD>(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y)));
    if (HIWORD(found) == 0) {
        SendMessageW(list, LB_SETCURSEL, LOWORD(found), 0);
    }
}

// A right click or the menu key on a list opens its copy menu; from the
// keyboard (-1, -1) the selection stays and the menu opens at it.
bool OnContextMenu(HWND window, const MainWindow& state, WPARAM wParam, LPARAM lParam) {
    HWND target = reinterpret_cast<HWND>(wParam);
    if (!state.controls.IsList(target)) {
        return false;
    }
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (screen.x != -1 || screen.y != -1) {
        SelectLineAt(target, screen);
    }
    ShowCopyMenu(window, target, screen);
    return true;
}

// The window can be minimised but not maximised, whatever offers it: the
// maximise command is refused, and a window maximised anyway goes back.
std::optional<LRESULT> RefuseMaximise(HWND window, UINT message, WPARAM wParam) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MAXIMIZE) {
        return 0;
    }
    if (message == WM_SIZE && wParam == SIZE_MAXIMIZED) {
        PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    }
    return std::nullopt;
}

// Every message of the window but the first and last few and those every
// window handles alike, which StatefulProcedure handles; nullopt leaves it
// to the default procedure.
std::optional<LRESULT> MainMessage(HWND window, MainWindow& state, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            // Before the menu bar is first measured.
            state.menuSpacer = MeasuredSpacer(state.core.design, WindowDpi(window));
            break;
        case WM_MEASUREITEM:
            if (MeasureSpacer(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), state.menuSpacer)) {
                return TRUE;
            }
            break;
        case WM_DRAWITEM:
            if (DrawSpacer(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), state.menuSpacer)) {
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
        case WM_CONTEXTMENU:
            if (OnContextMenu(window, state, wParam, lParam)) {
                return 0;
            }
            break;
        case kQueryAccelerators:
            return reinterpret_cast<LRESULT>(state.accelerators.get());
        case DM_GETDEFID:
            return DefaultButtonReply(window, state.core.design);
        case WM_SYSCOMMAND:
        case WM_SIZE:
            return RefuseMaximise(window, message, wParam);
        case WM_DESTROY:
            OnDestroy(window);
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

HWND HelpWindowOf(HWND mainWindow) {
    const MainWindow* state = StateOf<MainWindow>(mainWindow);
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
    // Creation sized and placed the window for the menu bar as first
    // measured; fitting the spacer can change the rows the bar takes,
    // and with them the frame: size and place the window again.
    MainWindow* state = StateOf<MainWindow>(window);
    FitMenuBar(window, state->menuSpacer);
    SizeClientToDesign(window, design);
    PlaceWindow(window, design, nullptr);
    InitKeyboardCues(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    FocusControl(state->controls.field(kInputFields.front().field));
    return window;
}

}  // namespace zephyrod::win32
