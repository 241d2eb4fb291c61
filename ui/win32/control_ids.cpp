#include "control_ids.h"

namespace zephyrod::win32 {
namespace {

// Above the dialog IDs Windows reserves (IDOK, IDCANCEL, ...), and apart, so
// that a control and a menu command never share an ID.
constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 200;

bool HasItems(const design::WindowDesign& design, std::string_view name) {
    for (const design::MenuItemDesign& item : design.menu) {
        if (item.parent == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

int ControlId(const design::WindowDesign& design, const design::ControlDesign& control) {
    return kFirstControlId + static_cast<int>(&control - design.controls.data());
}

const design::ControlDesign* ControlWithId(const design::WindowDesign& design, int id) {
    const int row = id - kFirstControlId;
    if (row < 0 || row >= static_cast<int>(design.controls.size())) {
        return nullptr;
    }
    return &design.controls[static_cast<std::size_t>(row)];
}

UINT MenuItemId(const design::WindowDesign& design, std::string_view name) {
    for (std::size_t row = 0; row < design.menu.size(); ++row) {
        if (design.menu[row].name == name) {
            return HasItems(design, name) ? 0 : static_cast<UINT>(kFirstMenuId + row);
        }
    }
    return 0;
}

HWND FindControl(HWND window, const design::WindowDesign& design, std::string_view name,
                 std::optional<int> index) {
    for (const design::ControlDesign& control : design.controls) {
        if (control.name == name && (!index || control.index == index)) {
            return GetDlgItem(window, ControlId(design, control));
        }
    }
    return nullptr;
}

}  // namespace zephyrod::win32
