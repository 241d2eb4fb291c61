#include "message_loop.h"

#include "control_ids.h"
#include "window_class.h"

namespace zephyrod::win32 {
namespace {

bool IsPushButton(HWND window) {
    wchar_t name[16] = {};
    const int length = GetClassNameW(window, name, 16);
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    return CompareStringOrdinal(name, length, L"Button", -1, TRUE) == CSTR_EQUAL &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// The keyboard in use: Alt shows the access keys and the focus, Tab and the
// arrows the focus, in every control of the window. (Windows changes nothing
// where they are shown already.)
void ShowKeyboardCues(HWND root, const MSG& message) {
    WORD cues = 0;
    if (message.message == WM_SYSKEYDOWN) {
        cues = UISF_HIDEACCEL | UISF_HIDEFOCUS;
    } else if (message.message == WM_KEYDOWN &&
               (message.wParam == VK_TAB ||
                (message.wParam >= VK_LEFT && message.wParam <= VK_DOWN))) {
        cues = UISF_HIDEFOCUS;
    }
    if (cues != 0) {
        SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
    }
}

// One message of a loop.
void Handle(MSG& message) {
    if (!PreTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

LRESULT DefaultButtonReply(HWND window, const design::WindowDesign& design) {
    HWND focus = GetFocus();
    if (focus != nullptr && GetParent(focus) == window && IsPushButton(focus)) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    for (const design::ControlDesign& control : design.controls) {
        if (control.kind == design::ControlKind::CommandButton && control.defaultButton) {
            return MAKELRESULT(ControlId(design, control), DC_HASDEFID);
        }
    }
    return 0;
}

void InitKeyboardCues(HWND window) {
    BOOL alwaysShown = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
    if (alwaysShown == FALSE) {
        SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL | UISF_HIDEFOCUS),
                     0);
    }
}

bool PreTranslate(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr || !IsProgramWindow(root)) {
        return false;
    }
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
        const auto table = reinterpret_cast<HACCEL>(SendMessageW(root, kQueryAccelerators, 0, 0));
        if (table != nullptr && TranslateAcceleratorW(root, table, &message) != 0) {
            return true;
        }
        ShowKeyboardCues(root, message);
    }
    return IsDialogMessageW(root, &message) != FALSE;
}

int RunMessageLoop() {
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        Handle(message);
    }
    // WM_QUIT carries the exit code; a failed GetMessage is a failure.
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void RunModalLoop(HWND window) {
    MSG message{};
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT: for the outer loop, with its exit code.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) {
            // No message to be had (the outer loop meets the same): give up.
            return;
        }
        Handle(message);
    }
}

}  // namespace zephyrod::win32
