#include "accelerators.h"

#include <vector>

#include "control_ids.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

struct Modifier {
    std::string_view prefix;
    BYTE flag;
};

constexpr Modifier kModifiers[] = {
    {"Ctrl+", FCONTROL},
    {"Shift+", FSHIFT},
    {"Alt+", FALT},
};

// The virtual key of "F1".."F24", "A".."Z" or "0".."9"; 0 for none.
WORD VirtualKey(std::string_view key) {
    if (key.size() == 1 && ((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= '0' && key[0] <= '9'))) {
        return static_cast<WORD>(key[0]);
    }
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F') {
        return 0;
    }
    int number = 0;
    for (char digit : key.substr(1)) {
        if (digit < '0' || digit > '9') {
            return 0;
        }
        number = number * 10 + (digit - '0');
    }
    if (number < 1 || number > 24 || key[1] == '0') {
        return 0;
    }
    return static_cast<WORD>(VK_F1 + number - 1);
}

}  // namespace

std::optional<ACCEL> ParseShortcut(std::string_view shortcut, WORD command) {
    BYTE flags = FVIRTKEY;
    for (bool found = true; found;) {
        found = false;
        for (const Modifier& modifier : kModifiers) {
            if (shortcut.starts_with(modifier.prefix) && (flags & modifier.flag) == 0) {
                flags |= modifier.flag;
                shortcut.remove_prefix(modifier.prefix.size());
                found = true;
            }
        }
    }
    const WORD key = VirtualKey(shortcut);
    if (key == 0) {
        return std::nullopt;
    }
    return ACCEL{flags, key, command};
}

std::wstring MenuItemText(const design::MenuItemDesign& item) {
    std::wstring text = Widen(item.caption);
    if (!item.shortcut.empty()) {
        text += L'\t' + Widen(item.shortcut);
    }
    return text;
}

Accelerators::Accelerators(const design::WindowDesign& design) {
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
    if (!keys.empty()) {
        table_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    }
}

Accelerators::~Accelerators() {
    if (table_ != nullptr) {
        DestroyAcceleratorTable(table_);
    }
}

}  // namespace zephyrod::win32
