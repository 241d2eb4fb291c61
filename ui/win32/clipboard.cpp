#include "clipboard.h"

#include <cstring>

#include "handles.h"
#include "ui_texts.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

enum CopyCommand : UINT { kCopy = 1, kCopyAll = 2 };

// The selected line, or the one the focus frame is on (Tab into a list
// without a selection frames its first line).
int SelectedIndex(HWND list) {
    const auto selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    if (selected != LB_ERR || SendMessageW(list, LB_GETCOUNT, 0, 0) <= 0) {
        return selected;
    }
    return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
}

int LineCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
}

}  // namespace

bool CopyText(HWND owner, std::wstring_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalHolder memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (memory == nullptr) {
        return false;
    }
    auto* target = static_cast<wchar_t*>(GlobalLock(memory.get()));
    if (target == nullptr) {
        return false;
    }
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory.get());
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr;
    CloseClipboard();
    if (placed) {
        // The clipboard owns the memory now.
        static_cast<void>(memory.release());
    }
    return placed;
}

void CopySelectedLine(HWND list) {
    const int selected = SelectedIndex(list);
    if (selected != LB_ERR) {
        CopyText(list, ListLine(list, selected));
    }
}

std::wstring AllLines(HWND list) {
    std::wstring all;
    const int count = LineCount(list);
    for (int index = 0; index < count; ++index) {
        if (index > 0) {
            // Windows' own line end on the clipboard.
            all += L"\r\n";
        }
        all += ListLine(list, index);
    }
    return all;
}

void CopyAllLines(HWND list) {
    if (LineCount(list) > 0) {
        CopyText(list, AllLines(list));
    }
}

void ShowCopyMenu(HWND owner, HWND list, POINT screen) {
    if (screen.x == -1 && screen.y == -1) {
        RECT line{};
        const int selected = SelectedIndex(list);
        if (selected == LB_ERR || SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(selected),
                                               reinterpret_cast<LPARAM>(&line)) == LB_ERR) {
            GetClientRect(list, &line);
        }
        screen = POINT{line.left, line.bottom};
        ClientToScreen(list, &screen);
    }
    const MenuHolder menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING | (SelectedIndex(list) == LB_ERR ? MF_GRAYED : 0u), kCopy,
                Widen(design::kCopyCaption).c_str());
    AppendMenuW(menu.get(), MF_STRING | (LineCount(list) == 0 ? MF_GRAYED : 0u), kCopyAll,
                Widen(design::kCopyAllCaption).c_str());
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, screen.x,
                       screen.y, 0, owner, nullptr));
    if (chosen == kCopy) {
        CopySelectedLine(list);
    } else if (chosen == kCopyAll) {
        CopyAllLines(list);
    }
}

}  // namespace zephyrod::win32
