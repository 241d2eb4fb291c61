#include "control_ids.h"

namespace zephyrod::win32 {
namespace {

// Above the dialog IDs Windows reserves (IDOK, IDCANCEL, ...), and apart, so
// that a control and a menu command never share an ID.
constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 200;

}  // namespace

int ControlId(const design::WindowDesign& design, const design::ControlDesign& control) {
    return kFirstControlId + static_cast<int>(design::Row(design, control));
}

const design::ControlDesign* ControlWithId(const design::WindowDesign& design, int id) {
    const int row = id - kFirstControlId;
    if (row < 0 || row >= static_cast<int>(design.controls.size())) {
        return nullptr;
    }
    return &design.controls[static_cast<std::size_t>(row)];
}

UINT MenuItemId(const design::WindowDesign& design, std::string_view name) {
    const design::MenuItemDesign* item = design::FindMenuItem(design, name);
    if (item == nullptr || design::HasChildren(design, name)) {
        return 0;
    }
    return static_cast<UINT>(kFirstMenuId + design::MenuRow(design, *item));
}

HWND FindControl(HWND window, const design::WindowDesign& design, std::string_view name,
                 std::optional<int> index) {
    const design::ControlDesign* control = design::FindControl(design, name, index);
    return control != nullptr ? GetDlgItem(window, ControlId(design, *control)) : nullptr;
}

}  // namespace zephyrod::win32
