#include "win_about.h"

#include <memory>
#include <optional>
#include <utility>
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

constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF ColorOf(const design::Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

struct AboutWindow {
    AboutWindow() = default;
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;
    ~AboutWindow() {
        if (face != nullptr) {
            DeleteObject(face);
        }
    }

    WindowCore core{design::AboutWindowDesign(), 96};
    // The window's own face, whatever the desktop's colours (none: the
    // system's face).
    HBRUSH face = nullptr;
    OwnedIcon picture;
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

// The icon at its size for the window's DPI; the one it replaces goes after.
void ShowIcon(HWND window, AboutWindow& state) {
    OwnedIcon icon(MulDiv(kIconSize, state.core.fonts.dpi(), 96));
    SendMessageW(Named(window, "picIcon"), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    state.picture = std::move(icon);
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
// keep it; on the window's own face every other label (and the picture's
// frame) is black on it too, so that the texts stay readable whatever
// colours the desktop's theme imposes.
LRESULT LabelColours(HWND window, const AboutWindow& state, HDC dc, HWND label) {
    const design::WindowDesign& design = state.core.design;
    std::optional<COLORREF> text;
    if (design.faceColor) {
        text = kBlack;
    }
    for (const design::ControlDesign& control : design.controls) {
        if (control.textColor && label == Named(window, control.name)) {
            text = ColorOf(*control.textColor);
        }
    }
    if (text) {
        SetTextColor(dc, *text);
    }
    if (design.faceColor && state.face != nullptr) {
        SetBkColor(dc, ColorOf(*design.faceColor));
        return reinterpret_cast<LRESULT>(state.face);
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool PaintFace(HWND window, const AboutWindow& state, HDC dc) {
    if (state.face == nullptr) {
        return false;
    }
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, state.face);
    return true;
}

// Every message of the window but the first and last few, which
// StatefulProcedure handles; nullopt leaves it to the default procedure.
std::optional<LRESULT> AboutMessage(HWND window, AboutWindow& state, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (const auto& face = state.core.design.faceColor) {
                state.face = CreateSolidBrush(ColorOf(*face));
            }
            state.core.fonts.Rescale(WindowDpi(window));
            CreateControls(window, state.core.design, state.core.fonts);
            SetProgramIcons(window, state.core);
            ShowIcon(window, state);
            Form_Load(window);
            return 0;
        case WM_ERASEBKGND:
            if (PaintFace(window, state, reinterpret_cast<HDC>(wParam))) {
                return 1;
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            DrawLines(dc, state.core.design, state.core.fonts.dpi());
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CTLCOLORBTN:
            // A button's corners show the face around it.
            if (state.face != nullptr) {
                return reinterpret_cast<LRESULT>(state.face);
            }
            break;
        case WM_CTLCOLORSTATIC:
            return LabelColours(window, state, reinterpret_cast<HDC>(wParam),
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
            SetProgramIcons(window, state.core);
            ShowIcon(window, state);
            SizeClientToDesign(window, state.core.design);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        }
        default:
            break;
    }
    return std::nullopt;
}

BOOL CALLBACK FindAbout(HWND window, LPARAM found) {
    if (IsWindowOf(window, design::AboutWindowDesign())) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

bool AboutIsOpen() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindAbout, reinterpret_cast<LPARAM>(&found));
    return found != nullptr;
}

}  // namespace

void ShowAboutWindow(HWND owner) {
    if (AboutIsOpen()) {
        return;
    }
    const design::WindowDesign& design = design::AboutWindowDesign();
    RegisterWindowClass(design, StatefulProcedure<AboutWindow, AboutMessage>);
    HWND window = CreateStatefulWindow(design, owner, nullptr, std::make_unique<AboutWindow>());
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
