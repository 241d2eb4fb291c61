#include "menu_bar.h"

#include <algorithm>
#include <string>

#include "accelerators.h"
#include "control_ids.h"
#include "dpi.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

bool IsBlank(std::string_view caption) {
    return !caption.empty() && caption.find_first_not_of(' ') == std::string_view::npos;
}

const design::MenuItemDesign* BlankItem(const design::WindowDesign& design) {
    for (const design::MenuItemDesign& item : design.menu) {
        if (IsBlank(item.caption)) {
            return &item;
        }
    }
    return nullptr;
}

// Sets (again) the blank item's owner-drawn type; the menu measures it anew.
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
        if (IsBlank(top.caption)) {
            MarkOwnerDrawn(bar.get(), id, caption);
        }
    }
    return bar;
}

BlankMenuItem MeasuredBlankItem(const design::WindowDesign& design, int dpi) {
    const design::MenuItemDesign* blank = BlankItem(design);
    if (blank == nullptr) {
        return {0, 0, dpi};
    }
    NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(dpi);
    const FontHolder font(CreateFontIndirectW(&metrics.lfMenuFont));
    const WindowDc dc;
    const Selection selected(dc.get(), font.get());
    const std::wstring caption = Widen(blank->caption);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &size);
    return {MenuItemId(design, blank->name), static_cast<int>(size.cx), dpi};
}

bool MeasureBlankItem(MEASUREITEMSTRUCT& item, const BlankMenuItem& blank) {
    if (item.CtlType != ODT_MENU || blank.id == 0 || item.itemID != blank.id) {
        return false;
    }
    item.itemWidth = static_cast<UINT>(std::max(blank.width, 0));
    item.itemHeight = static_cast<UINT>(SystemMetricForDpi(SM_CYMENU, blank.dpi));
    return true;
}

bool DrawBlankItem(const DRAWITEMSTRUCT& item, const BlankMenuItem& blank) {
    if (item.CtlType != ODT_MENU || blank.id == 0 || item.itemID != blank.id) {
        return false;
    }
    BOOL flat = FALSE;
    SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(flat ? COLOR_MENUBAR : COLOR_MENU));
    return true;
}

void FitMenuBar(HWND window, BlankMenuItem& blank) {
    HMENU bar = GetMenu(window);
    const int count = GetMenuItemCount(bar);
    if (bar == nullptr || count < 2 || blank.id == 0) {
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
        // Everything on the row but the blank's own drawing: the items'
        // margins and the other items.
        int others = (first.right - first.left) - blank.width;
        for (int index = 1; index < count; ++index) {
            RECT item{};
            GetMenuItemRect(window, bar, static_cast<UINT>(index), &item);
            others += item.right - item.left;
        }
        const int room = (info.rcBar.right - info.rcBar.left) - others - 1;
        blank.width = std::max(0, std::min(blank.width - 1, room));
        wchar_t caption[256] = {};
        GetMenuStringW(bar, blank.id, caption, 256, MF_BYCOMMAND);
        std::wstring text = caption;
        MarkOwnerDrawn(bar, blank.id, text);
        DrawMenuBar(window);
    }
}

}  // namespace zephyrod::win32
