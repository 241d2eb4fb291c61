#include "control_keys.h"

// After windows.h, which it builds on.
#include <commctrl.h>

#include "clipboard.h"

namespace zephyrod::win32 {
namespace {

constexpr WPARAM kCtrlC = 0x03;
constexpr UINT_PTR kListKeys = 1;
constexpr UINT_PTR kMultiLineKeys = 2;

LRESULT CALLBACK ListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR) {
    if (message == WM_CHAR && wParam == kCtrlC) {
        CopySelectedLine(list);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, ListKeys, id);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

bool IsEnter(const MSG* message) {
    return message != nullptr && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
           (message->wParam == VK_RETURN || message->wParam == L'\r');
}

// A multi-line edit asks for every key; this one asks for Enter alone, so
// that Tab moves on and Esc reaches the window as elsewhere. Reached by Tab,
// it keeps its caret: one key then does not replace the whole text.
LRESULT CALLBACK MultiLineKeys(HWND text, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        LRESULT code = DefSubclassProc(text, message, wParam, lParam);
        code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_HASSETSEL);
        if (IsEnter(reinterpret_cast<const MSG*>(lParam))) {
            code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(text, MultiLineKeys, id);
    }
    return DefSubclassProc(text, message, wParam, lParam);
}

}  // namespace

void AddControlKeys(HWND control, const design::ControlDesign& design) {
    if (design.kind == design::ControlKind::ListBox) {
        SetWindowSubclass(control, ListKeys, kListKeys, 0);
    } else if (design.kind == design::ControlKind::TextBox && design.multiLine) {
        SetWindowSubclass(control, MultiLineKeys, kMultiLineKeys, 0);
    }
}

}  // namespace zephyrod::win32
