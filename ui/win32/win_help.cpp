#include "win_help.h"

#include <memory>
#include <optional>

#include "accessible_names.h"
#include "control_ids.h"
#include "controls.h"
#include "message_loop.h"
#include "ui_texts.h"
#include "win_text.h"
#include "window_frame.h"

namespace zephyrod::win32 {
namespace {

// The controls frmHelp's code reaches, found once as the window is created.
struct HelpControls {
    HWND txtHelp = nullptr;
    HWND cmdOK = nullptr;
    HWND firstInTabOrder = nullptr;  // where the focus starts: OK
};

struct HelpWindow {
    WindowCore core{design::HelpWindowDesign(), design::kDesignDpi};
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

// Every message of the window but the first and last few, which
// StatefulProcedure handles; nullopt leaves it to the default procedure.
std::optional<LRESULT> HelpMessage(HWND window, HelpWindow& state, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateContents(window, state.core);
            state.controls = FindControls(window, state.core.design);
            if (state.controls.txtHelp == nullptr || state.controls.cmdOK == nullptr) {
                return -1;
            }
            // The text has no caption of its own to be named by.
            SetAccessibleName(state.controls.txtHelp, design::kHelpTextAccessibleName);
            Form_Load(state.controls);
            return 0;
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
        case WM_ACTIVATE:
            KeepFocusOnActivate(window, state.core, wParam);
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            FollowDpi(window, state.core, LOWORD(wParam));
            SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            SizeClientToDesign(window, state.core.design);
            return 0;
        }
        case WM_DESTROY:
            ForgetAccessibleName(state.controls.txtHelp);
            break;
        case WM_NCDESTROY:
            ForgetAccessibleName(window);
            break;
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
    // The title bar stays empty; a screen reader still names the window.
    SetAccessibleName(window, design::kHelpWindowAccessibleName);
    InitKeyboardCues(window);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(static_cast<HelpWindow*>(StateOf(window))->controls.firstInTabOrder);
    return window;
}

}  // namespace zephyrod::win32
