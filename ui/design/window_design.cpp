#include "window_design.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "input_fields.h"
#include "ui_texts.h"

namespace zephyrod::design {
namespace {

using K = ControlKind;

// A field's caption label, its text box and its unit label, related both
// ways: the text box names its labels, and a screen reader hears the field's
// caption and unit from it.
struct FieldRow {
    InputField field;
    ControlRef captionLabel;
    TwipsRect captionRect;
    int captionTab;
    TwipsRect boxRect;
    int boxTab;
    ControlRef unitLabel{};
    TwipsRect unitRect{};
    int unitTab = 0;
};

void AddField(std::vector<ControlDesign>& controls, const FieldRow& row) {
    const InputFieldInfo& info = FieldInfo(row.field);
    controls.push_back({.name = row.captionLabel.name,
                        .kind = K::Label,
                        .caption = info.caption,
                        .rect = row.captionRect,
                        .container = "Frame2",
                        .tabIndex = row.captionTab});
    controls.push_back({.name = FieldControl(row.field),
                        .kind = K::TextBox,
                        .rect = row.boxRect,
                        .container = "Frame2",
                        .tabIndex = row.boxTab,
                        .captionLabel = row.captionLabel,
                        .unitLabel = row.unitLabel,
                        .accessibleName = info.caption,
                        .accessibleDescription = info.unit});
    if (!row.unitLabel.empty()) {
        controls.push_back({.name = row.unitLabel.name,
                            .index = row.unitLabel.index,
                            .kind = K::Label,
                            .caption = info.unit,
                            .rect = row.unitRect,
                            .container = "Frame2",
                            .tabIndex = row.unitTab});
    }
}

WindowDesign BuildMain() {
    using F = InputField;
    WindowDesign w{.name = "frmMain",
                   .caption = kMainWindowCaption,
                   .clientWidth = 6240,
                   .clientHeight = 8745,
                   .border = Border::Sizable,
                   .startPosition = StartPosition::CenterScreen,
                   .accessibleName = std::string(kMainWindowCaption)};
    // The tab indices are the window's own: Tab goes from the frequency to
    // the coil diameter and then back up to the resonator diameter, as users
    // of the calculator know it.
    std::vector<ControlDesign>& c = w.controls;
    c.push_back({.name = "Frame2",
                 .kind = K::Frame,
                 .caption = " Parameters ",
                 .rect = {0, 0, 3015, 3615},
                 .tabIndex = 0});
    AddField(c, {.field = F::Frequency,
                 .captionLabel = {"Label1"},
                 .captionRect = {120, 480, 855, 495},
                 .captionTab = 2,
                 .boxRect = {1080, 600, 1335, 285},
                 .boxTab = 1,
                 .unitLabel = {"Label2"},
                 .unitRect = {2520, 600, 375, 255},
                 .unitTab = 3});
    AddField(c, {.field = F::ResonatorDiameter,
                 .captionLabel = {"Label4"},
                 .captionRect = {120, 1080, 855, 495},
                 .captionTab = 7,
                 .boxRect = {1080, 1200, 1335, 285},
                 .boxTab = 6,
                 .unitLabel = {"lblUnit", 0},
                 .unitRect = {2520, 1200, 255, 255},
                 .unitTab = 8});
    AddField(c, {.field = F::CoilDiameter,
                 .captionLabel = {"Label3"},
                 .captionRect = {120, 1680, 735, 495},
                 .captionTab = 5,
                 .boxRect = {1080, 1800, 1335, 285},
                 .boxTab = 4,
                 .unitLabel = {"lblUnit", 1},
                 .unitRect = {2520, 1800, 255, 255},
                 .unitTab = 9});
    AddField(c, {.field = F::TurnsPerCm,
                 .captionLabel = {"lblTPI"},
                 .captionRect = {120, 2280, 855, 375},
                 .captionTab = 10,
                 .boxRect = {1080, 2400, 1335, 285},
                 .boxTab = 11});
    c.push_back({.name = names::cmdGo,
                 .kind = K::CommandButton,
                 .caption = "Calculate",
                 .rect = {840, 3000, 1335, 375},
                 .container = "Frame2",
                 .tabIndex = 12});
    c.push_back(
        {.name = "Frame3", .kind = K::Frame, .rect = {3120, 0, 3135, 3615}, .tabIndex = 13});
    c.push_back({.name = names::lstValues,
                 .kind = K::ListBox,
                 .rect = {120, 240, 2895, 3180},
                 .container = "Frame3",
                 .tabIndex = 14,
                 .accessibleName = kValuesAccessibleName});
    c.push_back({.name = "Frame1",
                 .kind = K::Frame,
                 .caption = " Sweep Data",
                 .rect = {0, 3720, 6255, 4935},
                 .tabIndex = 15});
    c.push_back({.name = names::lstSweep,
                 .kind = K::ListBox,
                 .rect = {120, 240, 6015, 4545},
                 .container = "Frame1",
                 .tabIndex = 16,
                 .font = {.family = "Courier", .points = 9.75, .fixedPitch = true},
                 .accessibleName = kSweepAccessibleName});
    // An item of 120 blanks that does nothing stands before Help and pushes
    // it to the bar's far end, where the window has always had it.
    static const std::string kBlankMenuCaption(120, ' ');
    w.menu = {
        {.name = "mnuEMPTY", .caption = kBlankMenuCaption, .spacer = true},
        {.name = "mnuHelp", .caption = "&Help"},
        {.name = names::mnuZRHelp,
         .caption = "Zephyrod Calculator &Help",
         .parent = "mnuHelp",
         .shortcut = "F1"},
        {.name = names::mnuAbout, .caption = "&About", .parent = "mnuHelp"},
    };
    return w;
}

WindowDesign BuildHelp() {
    WindowDesign w{.name = "frmHelp",
                   .caption = "",  // the title bar stays empty
                   .clientWidth = 8445,
                   .clientHeight = 5025,
                   .border = Border::FixedSingle,
                   .startPosition = StartPosition::PlatformDefault,
                   .accessibleName = std::string(kHelpWindowAccessibleName)};
    w.controls = {
        {.name = names::txtHelp,
         .kind = K::TextBox,
         .rect = {0, 120, 8415, 4365},
         .tabIndex = 1,
         .font = {.family = kStandardFont.family, .points = 9.75},
         .multiLine = true,
         .accessibleName = kHelpTextAccessibleName},
        {.name = names::cmdOK,
         .kind = K::CommandButton,
         .caption = "OK",
         .rect = {7560, 4560, 735, 375},
         .tabIndex = 0},
    };
    return w;
}

// One of the two lines of the etched rule, from (x1, y1) to (x2, y2).
ControlDesign RuleLine(int index, int x1, int y1, int x2, int y2, Rgb color, int width) {
    return {.name = "Line1",
            .index = index,
            .kind = K::Line,
            .rect = {x1, y1, x2 - x1, y2 - y1},
            .color = color,
            .lineWidth = width};
}

WindowDesign BuildAbout() {
    constexpr Rgb kBlack{0, 0, 0};
    // The caption comes from the program's title when the window loads.
    WindowDesign w{.name = "frmAbout",
                   .caption = "",
                   .clientWidth = 5730,
                   .clientHeight = 3075,
                   .border = Border::FixedDialog,
                   .startPosition = StartPosition::CenterOwner,
                   .accessibleName = AboutCaption(),
                   .faceColor = Rgb{239, 239, 239}};
    w.controls = {
        {.name = names::picIcon,
         .kind = K::PictureBox,
         .rect = {240, 240, 540, 540},
         .tabIndex = 1},
        {.name = names::lblTitle,
         .kind = K::Label,
         .caption = kAboutTitle,
         .rect = {1080, 240, 3885, 480},
         .tabIndex = 3,
         .font = {.family = kStandardFont.family, .points = 18, .bold = true},
         .textColor = kBlack},
        {.name = names::lblVersion,
         .kind = K::Label,
         .rect = {1080, 840, 3885, 225},
         .tabIndex = 4,
         .font = {.family = kStandardFont.family, .points = 9.75, .bold = true}},
        {.name = names::lblDescription,
         .kind = K::Label,
         .rect = {1080, 1245, 4365, 1050},
         .tabIndex = 2,
         .textColor = kBlack},
        RuleLine(1, 90, 2445, 5654, 2445, {128, 128, 128}, 1),
        RuleLine(0, 105, 2460, 5654, 2460, {255, 255, 255}, 2),
        {.name = "Label1",
         .kind = K::Label,
         .caption = kCopyrightLine1,
         .rect = {480, 2520, 3615, 255},
         .tabIndex = 5,
         .align = Align::Center},
        {.name = "Label2",
         .kind = K::Label,
         .caption = kCopyrightLine2,
         .rect = {360, 2760, 3855, 375},
         .tabIndex = 6,
         .align = Align::Center},
        {.name = names::cmdOK,
         .kind = K::CommandButton,
         .caption = "OK",
         .rect = {4245, 2625, 1260, 345},
         .tabIndex = 0,
         .defaultButton = true,
         .cancelButton = true},
    };
    return w;
}

}  // namespace

const WindowDesign& MainWindowDesign() {
    static const WindowDesign design = BuildMain();
    return design;
}

const WindowDesign& HelpWindowDesign() {
    static const WindowDesign design = BuildHelp();
    return design;
}

const WindowDesign& AboutWindowDesign() {
    static const WindowDesign design = BuildAbout();
    return design;
}

const ControlDesign* FindControl(const WindowDesign& window, std::string_view name,
                                 std::optional<int> index) {
    for (const ControlDesign& control : window.controls) {
        if (control.name == name && (!index || control.index == index)) {
            return &control;
        }
    }
    return nullptr;
}

const ControlDesign* FindControl(const WindowDesign& window, const ControlRef& ref) {
    return FindControl(window, ref.name, ref.index);
}

const ControlDesign& Control(const WindowDesign& window, std::string_view name,
                             std::optional<int> index) {
    if (const ControlDesign* control = FindControl(window, name, index)) {
        return *control;
    }
    throw std::out_of_range("no control " + std::string(name) + " in " + std::string(window.name));
}

const ControlDesign& Control(const WindowDesign& window, const ControlRef& ref) {
    return Control(window, ref.name, ref.index);
}

std::size_t Row(const WindowDesign& window, const ControlDesign& control) {
    return static_cast<std::size_t>(&control - window.controls.data());
}

const MenuItemDesign* FindMenuItem(const WindowDesign& window, std::string_view name) {
    const auto found =
        std::find_if(window.menu.begin(), window.menu.end(),
                     [name](const MenuItemDesign& item) { return item.name == name; });
    return found != window.menu.end() ? &*found : nullptr;
}

std::size_t MenuRow(const WindowDesign& window, const MenuItemDesign& item) {
    return static_cast<std::size_t>(&item - window.menu.data());
}

bool HasChildren(const WindowDesign& window, std::string_view menuItem) {
    return std::any_of(window.menu.begin(), window.menu.end(),
                       [menuItem](const MenuItemDesign& item) { return item.parent == menuItem; });
}

std::vector<const ControlDesign*> TabOrder(const WindowDesign& window) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : window.controls) {
        if (control.takesFocus() && control.tabIndex) {
            order.push_back(&control);
        }
    }
    std::stable_sort(
        order.begin(), order.end(),
        [](const ControlDesign* a, const ControlDesign* b) { return *a->tabIndex < *b->tabIndex; });
    return order;
}

TwipsRect WindowRect(const WindowDesign& window, const ControlDesign& control) {
    TwipsRect rect = control.rect;
    for (std::string_view container = control.container; !container.empty();) {
        const ControlDesign& parent = Control(window, container);
        rect.left += parent.rect.left;
        rect.top += parent.rect.top;
        container = parent.container;
    }
    return rect;
}

}  // namespace zephyrod::design
