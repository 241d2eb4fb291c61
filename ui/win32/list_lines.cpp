#include "list_lines.h"

#include <algorithm>

#include "handles.h"
#include "win_text.h"

namespace zephyrod::win32 {

void SetLines(HWND list, const std::vector<std::string>& lines) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const WindowDc dc(list);
    const Selection font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& line : lines) {
        const std::wstring text = Widen(line);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    // A few pixels of margin beside the text, as the list draws it.
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
    // New lines are read from their left edge: a list scrolled sideways
    // would show the ends of the numbers alone. (An extent as wide as
    // before leaves the list where it was.)
    SendMessageW(list, WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace zephyrod::win32
