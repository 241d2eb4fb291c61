#include "win_help.h"

#include <memory>
#include <optional>

#include "control_ids.h"
#include "controls.h"
#include "message_loop.h"
#include "stateful_window.h"
#include "ui_texts.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

// The controls frmHelp's code reaches, found once as the window is created.
struct HelpControls {
    HWND txtHelp = nullptr;
    HWND cmdOK = nullptr;
    HWND firstInTabOrder = nullptr;  // where the focus starts: OK
};

struct HelpWindow {
    static const design::WindowDesign& Design() { return design::HelpWindowDesign(); }
    bool Load(HWND window);

    WindowCore core{Design(), design::kDesignDpi};
    HelpControls controls;
};

HelpControls FindControls(HWND window, const design::WindowDesign& design) {
    const design::ControlDesign& first = *design::TabOrder(design).front();
    return {FindControl(window, design, design::names::txtHelp),
            FindControl(window, design, design::names::cmdOK),
            FindControl(window, design, first.name, first.index)};
}

void Form_Load(const HelpControls& controls) {
    SetWindowTextW(controls.txtHelp, Widen(design::HelpText()).c_str());
}

void cmdOK_Click(HWND window) {
    DestroyWindow(window);
}

bool HelpWindow::Load(HWND window) {
    controls = FindControls(window, core.design);
    if (controls.txtHelp == nullptr || controls.cmdOK == nullptr) {
        return false;
    }
    Form_Load(controls);
    return true;
}

// Every message of the window but the first and last few and those every
// window handles alike, which StatefulProcedure handles; nullopt leaves it
// to the default procedure.
std::optional<LRESULT> HelpMessage(HWND window, HelpWindow& state, UINT message, WPARAM wParam,
                                   LPARAM) {
    switch (message) {
        case WM_COMMAND:
            // OK is neither default nor cancel button: only pressing it closes.
            if (LOWORD(wParam) == GetDlgCtrlID(state.controls.cmdOK) &&
                HIWORD(wParam) == BN_CLICKED) {
                cmdOK_Click(window);
            }
            return 0;
        case DM_GETDEFID:
            // Enter presses OK only where it has the focus; Esc (IDCANCEL)
            // does nothing.
            return DefaultButtonReply(window, state.core.design);
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

HWND OpenHelpWindow() {
    const design::WindowDesign& design = design::HelpWindowDesign();
    RegisterWindowClass(design, StatefulProcedure<HelpWindow, HelpMessage>);
    HWND window = CreateStatefulWindow(design, nullptr, nullptr, std::make_unique<HelpWindow>());
    if (window == nullptr) {
        return nullptr;
    }
    InitKeyboardCues(window);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(StateOf<HelpWindow>(window)->controls.firstInTabOrder);
    return window;
}

}  // namespace zephyrod::win32
