#include "menu_bar.h"

#include <algorithm>
#include <string>

#include "accelerators.h"
#include "control_ids.h"
#include "dpi.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

const design::MenuItemDesign* SpacerItem(const design::WindowDesign& design) {
    const auto found = std::find_if(design.menu.begin(), design.menu.end(),
                                    [](const design::MenuItemDesign& item) { return item.spacer; });
    return found != design.menu.end() ? &*found : nullptr;
}

// Sets (again) the spacer's owner-drawn type; the menu measures it anew.
void MarkOwnerDrawn(HMENU menu, UINT id, std::wstring& caption) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    info.fType = MFT_OWNERDRAW;
    info.dwTypeData = caption.data();
    SetMenuItemInfoW(menu, id, FALSE, &info);
}

}  // namespace

MenuHolder CreateMenuBar(const design::WindowDesign& design) {
    MenuHolder bar(CreateMenu());
    for (const design::MenuItemDesign& top : design.menu) {
        if (!top.parent.empty()) {
            continue;
        }
        std::wstring caption = Widen(top.caption);
        MenuHolder popup;
        for (const design::MenuItemDesign& item : design.menu) {
            if (item.parent == top.name) {
                if (popup == nullptr) {
                    popup.reset(CreatePopupMenu());
                }
                AppendMenuW(popup.get(), MF_STRING,
                            static_cast<UINT_PTR>(MenuItemId(design, item.name)),
                            MenuItemText(item).c_str());
            }
        }
        if (popup != nullptr) {
            // The bar owns the popup from here on.
            if (AppendMenuW(bar.get(), MF_STRING | MF_POPUP,
                            reinterpret_cast<UINT_PTR>(popup.get()), caption.c_str())) {
                static_cast<void>(popup.release());
            }
            continue;
        }
        const UINT id = MenuItemId(design, top.name);
        AppendMenuW(bar.get(), MF_STRING, id, caption.c_str());
        if (top.spacer) {
            MarkOwnerDrawn(bar.get(), id, caption);
        }
    }
    return bar;
}

SpacerMenuItem MeasuredSpacer(const design::WindowDesign& design, int dpi) {
    const design::MenuItemDesign* spacer = SpacerItem(design);
    if (spacer == nullptr) {
        return {0, 0, dpi};
    }
    NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(dpi);
    const FontHolder font(CreateFontIndirectW(&metrics.lfMenuFont));
    const WindowDc dc;
    const Selection selected(dc.get(), font.get());
    const std::wstring caption = Widen(spacer->caption);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &size);
    return {MenuItemId(design, spacer->name), static_cast<int>(size.cx), dpi};
}

bool MeasureSpacer(MEASUREITEMSTRUCT& item, const SpacerMenuItem& spacer) {
    if (item.CtlType != ODT_MENU || spacer.id == 0 || item.itemID != spacer.id) {
        return false;
    }
    item.itemWidth = static_cast<UINT>(std::max(spacer.width, 0));
    item.itemHeight = static_cast<UINT>(SystemMetricForDpi(SM_CYMENU, spacer.dpi));
    return true;
}

bool DrawSpacer(const DRAWITEMSTRUCT& item, const SpacerMenuItem& spacer) {
    if (item.CtlType != ODT_MENU || spacer.id == 0 || item.itemID != spacer.id) {
        return false;
    }
    BOOL flat = FALSE;
    SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(flat ? COLOR_MENUBAR : COLOR_MENU));
    return true;
}

void FitMenuBar(HWND window, SpacerMenuItem& spacer) {
    HMENU bar = GetMenu(window);
    const int count = GetMenuItemCount(bar);
    if (bar == nullptr || count < 2 || spacer.id == 0) {
        return;
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        MENUBARINFO info{};
        info.cbSize = sizeof info;
        RECT first{};
        RECT last{};
        if (!GetMenuBarInfo(window, OBJID_MENU, 0, &info) ||
            !GetMenuItemRect(window, bar, 0, &first) ||
            !GetMenuItemRect(window, bar, static_cast<UINT>(count - 1), &last)) {
            return;
        }
        if (last.top == first.top && last.right <= info.rcBar.right) {
            return;
        }
        // Everything on the row but the spacer's own drawing: the items'
        // margins and the other items.
        int others = (first.right - first.left) - spacer.width;
        for (int index = 1; index < count; ++index) {
            RECT item{};
            GetMenuItemRect(window, bar, static_cast<UINT>(index), &item);
            others += item.right - item.left;
        }
        const int room = (info.rcBar.right - info.rcBar.left) - others - 1;
        spacer.width = std::max(0, std::min(spacer.width - 1, room));
        wchar_t caption[256] = {};
        GetMenuStringW(bar, spacer.id, caption, 256, MF_BYCOMMAND);
        std::wstring text = caption;
        MarkOwnerDrawn(bar, spacer.id, text);
        DrawMenuBar(window);
    }
}

}  // namespace zephyrod::win32
