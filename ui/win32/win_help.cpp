#include "win_help.h"

#include <memory>
#include <optional>

#include "accessible_names.h"
#include "control_ids.h"
#include "controls.h"
#include "ui_texts.h"
#include "win_text.h"
#include "window_frame.h"

namespace zephyrod::win32 {
namespace {

struct HelpWindow {
    WindowCore core{design::HelpWindowDesign(), 96};
};

HWND HelpText(HWND window) {
    return FindControl(window, design::HelpWindowDesign(), "txtHelp");
}

void Form_Load(HWND window) {
    SetWindowTextW(HelpText(window), Widen(design::HelpText()).c_str());
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
            state.core.fonts.Rescale(WindowDpi(window));
            CreateControls(window, state.core.design, state.core.fonts);
            SetProgramIcons(window, state.core);
            // The text has no caption of its own to be named by.
            SetAccessibleName(HelpText(window), design::kHelpTextAccessibleName);
            Form_Load(window);
            return 0;
        case WM_COMMAND:
            // OK is neither default nor cancel button: only pressing it closes.
            if (LOWORD(wParam) == IDC_HelpOK && HIWORD(wParam) == BN_CLICKED) {
                cmdOK_Click(window);
            }
            return 0;
        case WM_ACTIVATE:
            KeepFocusOnActivate(window, state.core, wParam);
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            state.core.fonts.Rescale(LOWORD(wParam));
            PlaceControls(window, state.core.design, state.core.fonts);
            SetProgramIcons(window, state.core);
            SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            SizeClientToDesign(window, state.core.design);
            return 0;
        }
        case WM_DESTROY:
            ForgetAccessibleName(HelpText(window));
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
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(FindControl(window, design, design::TabOrder(design).front()->name));
    return window;
}

}  // namespace zephyrod::win32
