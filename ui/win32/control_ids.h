// Every control and menu item has a control ID named after it, so that code,
// tests and accessibility tools find a control by its name from the design.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string_view>

#include "window_design.h"

namespace zephyrod::win32 {

// frmMain
enum MainControlId : int {
    IDC_Frame2 = 100,
    IDC_Label1,
    IDC_txtFreq,
    IDC_Label2,
    IDC_Label4,
    IDC_txtResDia,
    IDC_lblUnit0,
    IDC_Label3,
    IDC_txtCoilDia,
    IDC_lblUnit1,
    IDC_lblTPI,
    IDC_txtTPI,
    IDC_cmdGo,
    IDC_Frame3,
    IDC_lstValues,
    IDC_Frame1,
    IDC_lstSweep,
};

// frmMain's menu items (the Help popup itself has no command).
enum MenuId : int {
    IDM_mnuEMPTY = 200,
    IDM_mnuZRHelp,
    IDM_mnuAbout,
};

// frmHelp
enum HelpControlId : int {
    IDC_txtHelp = 300,
    IDC_HelpOK,
};

// frmAbout
enum AboutControlId : int {
    IDC_picIcon = 400,
    IDC_lblTitle,
    IDC_lblVersion,
    IDC_lblDescription,
    IDC_AboutLabel1,
    IDC_AboutLabel2,
    IDC_AboutOK,
};

struct NamedId {
    std::string_view name;
    std::optional<int> index;  // a control array member's index
    int id;
};

// The IDs of a window's controls (lines are drawn, not controls: they have
// none).
std::span<const NamedId> ControlIds(const design::WindowDesign& window);

// The control ID of a named control; 0 when it has none.
int ControlId(const design::WindowDesign& window, std::string_view name,
              std::optional<int> index = std::nullopt);
int MenuItemId(std::string_view name);

// The control of that name in a window built from `design`.
HWND FindControl(HWND window, const design::WindowDesign& design, std::string_view name,
                 std::optional<int> index = std::nullopt);

}  // namespace zephyrod::win32
