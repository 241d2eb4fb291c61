#include "control_ids.h"

#include <array>

namespace zephyrod::win32 {
namespace {

constexpr std::array<NamedId, 17> kMainIds{{
    {"Frame2", {}, IDC_Frame2},
    {"Label1", {}, IDC_Label1},
    {"txtFreq", {}, IDC_txtFreq},
    {"Label2", {}, IDC_Label2},
    {"Label4", {}, IDC_Label4},
    {"txtResDia", {}, IDC_txtResDia},
    {"lblUnit", 0, IDC_lblUnit0},
    {"Label3", {}, IDC_Label3},
    {"txtCoilDia", {}, IDC_txtCoilDia},
    {"lblUnit", 1, IDC_lblUnit1},
    {"lblTPI", {}, IDC_lblTPI},
    {"txtTPI", {}, IDC_txtTPI},
    {"cmdGo", {}, IDC_cmdGo},
    {"Frame3", {}, IDC_Frame3},
    {"lstValues", {}, IDC_lstValues},
    {"Frame1", {}, IDC_Frame1},
    {"lstSweep", {}, IDC_lstSweep},
}};

constexpr std::array<NamedId, 2> kHelpIds{{
    {"txtHelp", {}, IDC_txtHelp},
    {"cmdOK", {}, IDC_HelpOK},
}};

constexpr std::array<NamedId, 7> kAboutIds{{
    {"picIcon", {}, IDC_picIcon},
    {"lblTitle", {}, IDC_lblTitle},
    {"lblVersion", {}, IDC_lblVersion},
    {"lblDescription", {}, IDC_lblDescription},
    {"Label1", {}, IDC_AboutLabel1},
    {"Label2", {}, IDC_AboutLabel2},
    {"cmdOK", {}, IDC_AboutOK},
}};

constexpr std::array<NamedId, 3> kMenuIds{{
    {"mnuEMPTY", {}, IDM_mnuEMPTY},
    {"mnuZRHelp", {}, IDM_mnuZRHelp},
    {"mnuAbout", {}, IDM_mnuAbout},
}};

int Find(std::span<const NamedId> ids, std::string_view name, std::optional<int> index) {
    for (const NamedId& entry : ids) {
        if (entry.name == name && (!index || entry.index == index)) {
            return entry.id;
        }
    }
    return 0;
}

}  // namespace

std::span<const NamedId> ControlIds(const design::WindowDesign& window) {
    if (&window == &design::MainWindowDesign()) {
        return kMainIds;
    }
    if (&window == &design::HelpWindowDesign()) {
        return kHelpIds;
    }
    if (&window == &design::AboutWindowDesign()) {
        return kAboutIds;
    }
    return {};
}

int ControlId(const design::WindowDesign& window, std::string_view name, std::optional<int> index) {
    return Find(ControlIds(window), name, index);
}

int MenuItemId(std::string_view name) {
    return Find(kMenuIds, name, std::nullopt);
}

HWND FindControl(HWND window, const design::WindowDesign& design, std::string_view name,
                 std::optional<int> index) {
    const int id = ControlId(design, name, index);
    return id == 0 ? nullptr : GetDlgItem(window, id);
}

}  // namespace zephyrod::win32
