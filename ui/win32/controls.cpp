#include "controls.h"

#include <algorithm>
#include <vector>

#include "accessible_names.h"
#include "control_ids.h"
#include "control_keys.h"
#include "handles.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

using design::ControlDesign;
using design::ControlKind;

struct Styles {
    DWORD style;
    DWORD exStyle;
};

Styles StylesFor(const ControlDesign& control) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    // Each focusable control is a group of its own: arrow keys stay inside it.
    constexpr DWORD kFocusable = kChild | WS_TABSTOP | WS_GROUP;
    switch (control.kind) {
        case ControlKind::Frame:
            return {kChild | BS_GROUPBOX, 0};
        case ControlKind::Label:
            return {kChild | SS_NOPREFIX |
                        (control.align == design::Align::Center ? SS_CENTER : SS_LEFT),
                    0};
        case ControlKind::TextBox:
            if (control.multiLine) {
                // Wraps at its width, no scroll bars; Enter starts a new line.
                return {kFocusable | ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
                        WS_EX_CLIENTEDGE};
            }
            return {kFocusable | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::CommandButton:
            return {kFocusable | (control.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
        case ControlKind::ListBox:
            return {kFocusable | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::PictureBox:
            // A sunken edge round the icon, which stays centred at its own size.
            return {kChild | SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE, WS_EX_CLIENTEDGE};
        case ControlKind::Line:
            break;
    }
    return {0, 0};
}

// Whether a screen reader hears a name or description of the design's for
// the control, rather than the one Windows gives it.
bool IsNamed(const ControlDesign& control) {
    return !control.accessibleName.empty() || !control.accessibleDescription.empty();
}

// Creation order is stacking order: the focusable controls in tab order
// first (Tab follows the stack), each text box right after its caption (so
// that screen readers name the field by it), then the other labels and the
// pictures, frames last so that they lie behind what they hold.
std::vector<const ControlDesign*> CreationOrder(const design::WindowDesign& design) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign* control : design::TabOrder(design)) {
        if (!control->captionLabel.empty()) {
            if (const ControlDesign* caption = design::FindControl(design, control->captionLabel)) {
                order.push_back(caption);
            }
        }
        order.push_back(control);
    }
    for (const ControlDesign& control : design.controls) {
        if (!control.takesFocus() && control.kind != ControlKind::Frame &&
            control.kind != ControlKind::Line &&
            std::find(order.begin(), order.end(), &control) == order.end()) {
            order.push_back(&control);
        }
    }
    for (const ControlDesign& control : design.controls) {
        if (control.kind == ControlKind::Frame) {
            order.push_back(&control);
        }
    }
    return order;
}

}  // namespace

const wchar_t* ControlClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
        case ControlKind::CommandButton:
            return L"Button";
        case ControlKind::Label:
        case ControlKind::PictureBox:
            return L"Static";
        case ControlKind::TextBox:
            return L"Edit";
        case ControlKind::ListBox:
            return L"ListBox";
        case ControlKind::Line:
            break;
    }
    return nullptr;
}

void CreateControls(HWND window, const design::WindowDesign& design, FontSet& fonts) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (const ControlDesign* control : CreationOrder(design)) {
        const Styles styles = StylesFor(*control);
        const RECT rect = PixelRect(design::WindowRect(design, *control), fonts.dpi());
        const auto id = static_cast<INT_PTR>(ControlId(design, *control));
        HWND child = CreateWindowExW(styles.exStyle, ControlClass(control->kind),
                                     Widen(control->caption).c_str(), styles.style, rect.left,
                                     rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                     window, reinterpret_cast<HMENU>(id), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(control->font)), FALSE);
        AddControlKeys(child, *control);
        if (IsNamed(*control)) {
            SetAccessibleName(child, control->accessibleName, control->accessibleDescription);
        }
    }
}

void ForgetControlNames(HWND window, const design::WindowDesign& design) {
    for (const ControlDesign& control : design.controls) {
        if (IsNamed(control)) {
            ForgetAccessibleName(GetDlgItem(window, ControlId(design, control)));
        }
    }
}

void PlaceControls(HWND window, const design::WindowDesign& design, FontSet& fonts) {
    for (const ControlDesign& control : design.controls) {
        HWND child = GetDlgItem(window, ControlId(design, control));
        if (child == nullptr) {  // a line: drawn, not a control
            continue;
        }
        const RECT rect = PixelRect(design::WindowRect(design, control), fonts.dpi());
        SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(control.font)), TRUE);
    }
    // Every control has its font at the new DPI: the old ones can go.
    fonts.DeleteOld();
}

void DrawLines(HDC dc, const design::WindowDesign& design, int dpi) {
    for (const ControlDesign& control : design.controls) {
        if (control.kind != ControlKind::Line) {
            continue;
        }
        const design::Rgb& color = control.color;
        const COLORREF rgb = RGB(color.red, color.green, color.blue);
        const int width = MulDiv(control.lineWidth, dpi, design::kDesignDpi);
        const int x1 = design::Pixels(control.rect.left, dpi);
        const int y1 = design::Pixels(control.rect.top, dpi);
        const int x2 = design::Pixels(control.x2(), dpi);
        const int y2 = design::Pixels(control.y2(), dpi);
        if (y1 == y2) {
            // A level line lies below its y, its full width: a wider white line
            // then never covers the grey one a pixel above it.
            const BrushHolder brush(CreateSolidBrush(rgb));
            const RECT band{x1, y1, x2, y1 + width};
            FillRect(dc, &band, brush.get());
            continue;
        }
        const PenHolder pen(CreatePen(PS_SOLID, width, rgb));
        const Selection selected(dc, pen.get());
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    }
}

}  // namespace zephyrod::win32
