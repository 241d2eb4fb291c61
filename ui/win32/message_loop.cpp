#include "message_loop.h"

#include <string_view>

#include "clipboard.h"
#include "window_frame.h"

namespace zephyrod::win32 {
namespace {

constexpr WPARAM kCtrlC = 0x03;

bool HasClass(HWND window, std::wstring_view name) {
    wchar_t buffer[32] = {};
    const int length = GetClassNameW(window, buffer, 32);
    return CompareStringOrdinal(buffer, length, name.data(), static_cast<int>(name.size()), TRUE) ==
           CSTR_EQUAL;
}

LONG_PTR StyleOf(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

bool IsPushButton(HWND window) {
    const LONG_PTR type = StyleOf(window) & BS_TYPEMASK;
    return HasClass(window, L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsMultiLineEdit(HWND window) {
    return HasClass(window, L"Edit") && (StyleOf(window) & ES_MULTILINE) != 0;
}

HWND DefaultButton(HWND root) {
    for (HWND child = GetWindow(root, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (HasClass(child, L"Button") && (StyleOf(child) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return child;
        }
    }
    return nullptr;
}

void MoveFocus(HWND root, HWND from, bool backwards) {
    HWND next = GetNextDlgTabItem(root, from, backwards ? TRUE : FALSE);
    if (next == nullptr) {
        return;
    }
    SetFocus(next);
    // As in a dialog box: a field reached by Tab has its whole text selected;
    // a multi-line text keeps its caret, so one key does not replace it all.
    if (HasClass(next, L"Edit") && !IsMultiLineEdit(next)) {
        SendMessageW(next, EM_SETSEL, 0, -1);
    }
}

bool HandleKeyDown(HWND root, HWND focus, WPARAM key) {
    switch (key) {
        case VK_TAB:
            MoveFocus(root, focus, GetKeyState(VK_SHIFT) < 0);
            return true;
        case VK_RETURN:
            if (IsPushButton(focus)) {
                SendMessageW(focus, BM_CLICK, 0, 0);
                return true;
            }
            if (IsMultiLineEdit(focus)) {
                return false;  // a new line
            }
            if (HWND button = DefaultButton(root)) {
                SendMessageW(button, BM_CLICK, 0, 0);
            }
            return true;  // a field without a default button: nothing happens
        case VK_ESCAPE:
            // The window decides: one with a cancel button closes.
            SendMessageW(root, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
            return true;
        default:
            return false;
    }
}

}  // namespace

bool HandleDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_CHAR) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr || root == message.hwnd || !IsProgramWindow(root)) {
        return false;
    }
    if (message.message == WM_CHAR) {
        if (message.wParam == kCtrlC && HasClass(message.hwnd, L"ListBox")) {
            CopySelectedLine(message.hwnd);
            return true;
        }
        return false;
    }
    return HandleKeyDown(root, message.hwnd, message.wParam);
}

int RunMessageLoop() {
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (!HandleDialogKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
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
        if (!HandleDialogKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace zephyrod::win32
