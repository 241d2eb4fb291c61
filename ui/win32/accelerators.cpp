#include "accelerators.h"

#include <vector>

#include "control_ids.h"
#include "win_text.h"

namespace zephyrod::win32 {

std::optional<ACCEL> ParseShortcut(std::string_view shortcut, WORD command) {
    if (shortcut.size() < 2 || shortcut.size() > 3 || shortcut[0] != 'F' || shortcut[1] == '0') {
        return std::nullopt;
    }
    int number = 0;
    for (char digit : shortcut.substr(1)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        number = number * 10 + (digit - '0');
    }
    if (number > 24) {
        return std::nullopt;
    }
    return ACCEL{FVIRTKEY, static_cast<WORD>(VK_F1 + number - 1), command};
}

std::wstring MenuItemText(const design::MenuItemDesign& item) {
    std::wstring text = Widen(item.caption);
    if (!item.shortcut.empty()) {
        text += L'\t' + Widen(item.shortcut);
    }
    return text;
}

AcceleratorHolder CreateAccelerators(const design::WindowDesign& design) {
    std::vector<ACCEL> keys;
    for (const design::MenuItemDesign& item : design.menu) {
        const UINT command = MenuItemId(design, item.name);
        if (command == 0) {
            continue;
        }
        if (const std::optional<ACCEL> key =
                ParseShortcut(item.shortcut, static_cast<WORD>(command))) {
            keys.push_back(*key);
        }
    }
    if (keys.empty()) {
        return nullptr;
    }
    return AcceleratorHolder(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

}  // namespace zephyrod::win32
