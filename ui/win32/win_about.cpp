#include "win_about.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "control_ids.h"
#include "controls.h"
#include "message_loop.h"
#include "stateful_window.h"
#include "ui_texts.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

// The icon's size in the picture box, in pixels at the design's DPI: the
// program icon's standard size, which the picture box was laid out for.
constexpr int kIconSize = 32;

constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF ColorOf(const design::Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// The controls frmAbout's code reaches, found once as the window is created.
struct AboutControls {
    HWND picIcon = nullptr;
    HWND lblVersion = nullptr;
    HWND lblDescription = nullptr;
    HWND cmdOK = nullptr;
    HWND firstInTabOrder = nullptr;  // where the focus starts: OK

    bool complete() const {
        return picIcon != nullptr && lblVersion != nullptr && lblDescription != nullptr &&
               cmdOK != nullptr && firstInTabOrder != nullptr;
    }
};

AboutControls FindControls(HWND window, const design::WindowDesign& design) {
    const design::ControlDesign& first = *design::TabOrder(design).front();
    return {FindControl(window, design, design::names::picIcon),
            FindControl(window, design, design::names::lblVersion),
            FindControl(window, design, design::names::lblDescription),
            FindControl(window, design, design::names::cmdOK),
            FindControl(window, design, first.name, first.index)};
}

// The window's own face, whatever the desktop's colours (none: the
// system's face).
BrushHolder FaceBrush(const design::WindowDesign& design) {
    if (!design.faceColor) {
        return nullptr;
    }
    return BrushHolder(CreateSolidBrush(ColorOf(*design.faceColor)));
}

struct AboutWindow {
    static const design::WindowDesign& Design() { return design::AboutWindowDesign(); }
    bool Load(HWND window);
    void FollowedDpi(HWND window);

    WindowCore core{Design(), design::kDesignDpi};
    AboutControls controls;
    BrushHolder face = FaceBrush(Design());
    IconHolder picture;
    // The windows this one disabled while it is shown.
    std::vector<HWND> disabled;
};

void Form_Load(HWND window, const AboutControls& controls) {
    SetWindowTextW(controls.lblDescription, Widen(design::AboutDescription()).c_str());
    SetWindowTextW(window, Widen(design::AboutCaption()).c_str());
    SetWindowTextW(controls.lblVersion, Widen(design::VersionLine()).c_str());
}

// The icon at its size for the window's DPI; the one it replaces goes after.
void ShowIcon(AboutWindow& state) {
    IconHolder icon = ProgramIcon(MulDiv(kIconSize, state.core.fonts.dpi(), design::kDesignDpi));
    SendMessageW(state.controls.picIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    state.picture = std::move(icon);
}

// The program's other windows take input again.
void EnableOthers(AboutWindow& state) {
    for (HWND other : state.disabled) {
        if (IsWindow(other)) {
            EnableWindow(other, TRUE);
        }
    }
    state.disabled.clear();
}

// The others are enabled before this window goes, so that Windows makes the
// owner the active window again as it hides this one.
void cmdOK_Click(HWND window, AboutWindow& state) {
    EnableOthers(state);
    DestroyWindow(window);
}

// Every way the window goes passes here (its owner closing destroys it
// too): the others are enabled whatever closed it, and a still-shown owner
// is activated if nothing of the program is active any more.
void OnDestroy(HWND window, AboutWindow& state) {
    if (state.disabled.empty()) {
        return;
    }
    EnableOthers(state);
    HWND owner = GetWindow(window, GW_OWNER);
    HWND active = GetActiveWindow();
    if (owner != nullptr && IsWindowVisible(owner) && (active == nullptr || active == window)) {
        SetActiveWindow(owner);
    }
}

BOOL CALLBACK DisableOther(HWND window, LPARAM aboutWindow) {
    auto about = reinterpret_cast<HWND>(aboutWindow);
    AboutWindow* state = StateOf<AboutWindow>(about);
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
LRESULT LabelColours(const AboutWindow& state, HDC dc, HWND label) {
    const design::WindowDesign& design = state.core.design;
    std::optional<COLORREF> text;
    if (design.faceColor) {
        text = kBlack;
    }
    const design::ControlDesign* control = ControlWithId(design, GetDlgCtrlID(label));
    if (control != nullptr && control->textColor) {
        text = ColorOf(*control->textColor);
    }
    if (text) {
        SetTextColor(dc, *text);
    }
    if (design.faceColor && state.face != nullptr) {
        SetBkColor(dc, ColorOf(*design.faceColor));
        return reinterpret_cast<LRESULT>(state.face.get());
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
    FillRect(dc, &client, state.face.get());
    return true;
}

// The window's creation fails where the design lacks a control the code
// reaches.
bool AboutWindow::Load(HWND window) {
    controls = FindControls(window, core.design);
    if (!controls.complete()) {
        return false;
    }
    ShowIcon(*this);
    Form_Load(window, controls);
    return true;
}

void OnPaint(HWND window, const AboutWindow& state) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    DrawLines(dc, state.core.design, state.core.fonts.dpi());
    EndPaint(window, &paint);
}

// The picture's icon at its size for the new DPI.
void AboutWindow::FollowedDpi(HWND) {
    ShowIcon(*this);
}

// OK is the default and the cancel button: a click, Enter and Esc.
void OnCommand(HWND window, AboutWindow& state, WPARAM wParam) {
    const bool okClicked =
        LOWORD(wParam) == GetDlgCtrlID(state.controls.cmdOK) && HIWORD(wParam) == BN_CLICKED;
    if (okClicked || LOWORD(wParam) == IDCANCEL) {
        cmdOK_Click(window, state);
    }
}

// Every message of the window but the first and last few and those every
// window handles alike, which StatefulProcedure handles; nullopt leaves it
// to the default procedure.
std::optional<LRESULT> AboutMessage(HWND window, AboutWindow& state, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            if (PaintFace(window, state, reinterpret_cast<HDC>(wParam))) {
                return 1;
            }
            break;
        case WM_PAINT:
            OnPaint(window, state);
            return 0;
        case WM_CTLCOLORBTN:
            // A button's corners show the face around it.
            if (state.face != nullptr) {
                return reinterpret_cast<LRESULT>(state.face.get());
            }
            break;
        case WM_CTLCOLORSTATIC:
            return LabelColours(state, reinterpret_cast<HDC>(wParam),
                                reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            OnCommand(window, state, wParam);
            return 0;
        case WM_CLOSE:
            cmdOK_Click(window, state);
            return 0;
        case WM_ENDSESSION:
            // The session ends: the window goes as if closed.
            if (wParam != FALSE) {
                cmdOK_Click(window, state);
            }
            return 0;
        case WM_DESTROY:
            OnDestroy(window, state);
            return 0;
        case DM_GETDEFID:
            // OK, also after Tab took its default look away.
            return DefaultButtonReply(window, state.core.design);
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
    InitKeyboardCues(window);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(StateOf<AboutWindow>(window)->controls.firstInTabOrder);
    RunModalLoop(window);
}

}  // namespace zephyrod::win32
