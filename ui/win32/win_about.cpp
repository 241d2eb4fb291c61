#include <optional>

#include "win_about.h"

#include <vector>

#include "control_ids.h"
#include "controls.h"
#include "message_loop.h"
#include "ui_texts.h"
#include "win_text.h"
#include "window_frame.h"

namespace zephyrod::win32 {
namespace {

// The icon's size in the picture box, in pixels at 96 DPI.
constexpr int kIconSize = 32;

struct AboutWindow {
    WindowCore core{design::AboutWindowDesign(), 96};
    // The windows this one disabled while it is shown.
    std::vector<HWND> disabled;
};

HWND Named(HWND window, std::string_view name) {
    return FindControl(window, design::AboutWindowDesign(), name);
}

void Form_Load(HWND window) {
    SetWindowTextW(Named(window, "lblDescription"), Widen(design::AboutDescription()).c_str());
    SetWindowTextW(window, Widen(design::AboutCaption()).c_str());
    SetWindowTextW(Named(window, "lblVersion"), Widen(design::VersionLine()).c_str());
}

void ShowIcon(HWND window, int dpi) {
    const int size = MulDiv(kIconSize, dpi, 96);
    SendMessageW(Named(window, "picIcon"), STM_SETICON, reinterpret_cast<WPARAM>(ProgramIcon(size)),
                 0);
}

// The program's other windows give the input back before this one goes, so
// that the owner becomes the active window again.
void cmdOK_Click(HWND window, AboutWindow& state) {
    for (HWND other : state.disabled) {
        if (IsWindow(other)) {
            EnableWindow(other, TRUE);
        }
    }
    state.disabled.clear();
    DestroyWindow(window);
}

BOOL CALLBACK DisableOther(HWND window, LPARAM aboutWindow) {
    auto about = reinterpret_cast<HWND>(aboutWindow);
    auto* state = static_cast<AboutWindow*>(StateOf(about));
    if (window != about && IsProgramWindow(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state->disabled.push_back(window);
    }
    return TRUE;
}

// Labels with a colour of their own (the title and description, black)
// keep it on the dialog's face.
LRESULT LabelColours(HWND window, HDC dc, HWND label) {
    for (const design::ControlDesign& control : design::AboutWindowDesign().controls) {
        if (control.textColor && label == Named(window, control.name)) {
            SetTextColor(
                dc, RGB(control.textColor->red, control.textColor->green, control.textColor->blue));
        }
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// Every message of the window but the first and last few, which
// StatefulProcedure handles; nullopt leaves it to the default procedure.
std::optional<LRESULT> AboutMessage(HWND window, AboutWindow& state, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            state.core.fonts.Rescale(WindowDpi(window));
            CreateControls(window, state.core.design, state.core.fonts);
            ShowIcon(window, state.core.fonts.dpi());
            Form_Load(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            DrawLines(dc, state.core.design, state.core.fonts.dpi());
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            return LabelColours(window, reinterpret_cast<HDC>(wParam),
                                reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            // OK is the default and the cancel button: a click, Enter and Esc.
            if ((LOWORD(wParam) == IDC_AboutOK && HIWORD(wParam) == BN_CLICKED) ||
                LOWORD(wParam) == IDCANCEL) {
                cmdOK_Click(window, state);
            }
            return 0;
        case WM_CLOSE:
            cmdOK_Click(window, state);
            return 0;
        case WM_ACTIVATE:
            KeepFocusOnActivate(window, state.core, wParam);
            return 0;
        case WM_DPICHANGED: {
            state.core.fonts.Rescale(LOWORD(wParam));
            PlaceControls(window, state.core.design, state.core.fonts);
            ShowIcon(window, state.core.fonts.dpi());
            SizeClientToDesign(window, state.core.design);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        }
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

void ShowAboutWindow(HWND owner) {
    const design::WindowDesign& design = design::AboutWindowDesign();
    RegisterWindowClass(design, StatefulProcedure<AboutWindow, AboutMessage>);
    auto* state = new AboutWindow();
    HWND window = CreateProgramWindow(design, owner, nullptr, state);
    // From WM_NCCREATE on the window owns its state and frees it on
    // WM_NCDESTROY, a failed creation included.
    if (window == nullptr) {
        return;
    }
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(window));
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(Named(window, design::TabOrder(design).front()->name));
    RunModalLoop(window);
}

}  // namespace zephyrod::win32
