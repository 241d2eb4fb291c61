#include "window_design.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "input_fields.h"
#include "ui_texts.h"

namespace zephyrod::design {
namespace {

using K = ControlKind;

constexpr std::string_view Caption(InputField field) {
    return FieldInfo(field).caption;
}
constexpr std::string_view Name(InputField field) {
    return FieldControl(field);
}

ControlDesign Make(std::string_view name, K kind, std::string_view caption, TwipsRect rect,
                   std::string_view container, std::optional<int> tabIndex) {
    return {.name = name,
            .kind = kind,
            .caption = caption,
            .rect = rect,
            .container = container,
            .tabIndex = tabIndex};
}

ControlDesign Indexed(ControlDesign control, int index) {
    control.index = index;
    return control;
}

ControlDesign WithFont(ControlDesign control, FontDesign font) {
    control.font = font;
    return control;
}

ControlDesign Black(ControlDesign control) {
    control.textColor = Rgb{0, 0, 0};
    return control;
}

WindowDesign Window(std::string_view name, std::string_view caption, int clientWidth,
                    int clientHeight, Border border, StartPosition startPosition) {
    return {name, caption, clientWidth, clientHeight, border, startPosition};
}

WindowDesign BuildMain() {
    using F = InputField;
    WindowDesign w = Window("frmMain", kMainWindowCaption, 6240, 8745, Border::Sizable,
                            StartPosition::CenterScreen);
    // The tab indices are the window's own: Tab goes from the frequency to
    // the coil diameter and then back up to the resonator diameter, as users
    // of the calculator know it.
    w.controls = {
        Make("Frame2", K::Frame, " Parameters ", {0, 0, 3015, 3615}, "", 0),
        Make("Label1", K::Label, Caption(F::Frequency), {120, 480, 855, 495}, "Frame2", 2),
        Make(Name(F::Frequency), K::TextBox, "", {1080, 600, 1335, 285}, "Frame2", 1),
        Make("Label2", K::Label, FieldInfo(F::Frequency).unit, {2520, 600, 375, 255}, "Frame2", 3),
        Make("Label4", K::Label, Caption(F::ResonatorDiameter), {120, 1080, 855, 495}, "Frame2", 7),
        Make(Name(F::ResonatorDiameter), K::TextBox, "", {1080, 1200, 1335, 285}, "Frame2", 6),
        Indexed(Make("lblUnit", K::Label, FieldInfo(F::ResonatorDiameter).unit,
                     {2520, 1200, 255, 255}, "Frame2", 8),
                0),
        Make("Label3", K::Label, Caption(F::CoilDiameter), {120, 1680, 735, 495}, "Frame2", 5),
        Make(Name(F::CoilDiameter), K::TextBox, "", {1080, 1800, 1335, 285}, "Frame2", 4),
        Indexed(Make("lblUnit", K::Label, FieldInfo(F::CoilDiameter).unit, {2520, 1800, 255, 255},
                     "Frame2", 9),
                1),
        Make("lblTPI", K::Label, Caption(F::TurnsPerCm), {120, 2280, 855, 375}, "Frame2", 10),
        Make(Name(F::TurnsPerCm), K::TextBox, "", {1080, 2400, 1335, 285}, "Frame2", 11),
        Make(names::cmdGo, K::CommandButton, "Calculate", {840, 3000, 1335, 375}, "Frame2", 12),
        Make("Frame3", K::Frame, "", {3120, 0, 3135, 3615}, "", 13),
        Make(names::lstValues, K::ListBox, "", {120, 240, 2895, 3180}, "Frame3", 14),
        Make("Frame1", K::Frame, " Sweep Data", {0, 3720, 6255, 4935}, "", 15),
        WithFont(Make(names::lstSweep, K::ListBox, "", {120, 240, 6015, 4545}, "Frame1", 16),
                 {"Courier", 9.75, false, true}),
    };
    // An item of 120 blanks that does nothing stands before Help and pushes
    // it to the bar's far end, where the window has always had it.
    static const std::string kBlankMenuCaption(120, ' ');
    w.menu = {
        {"mnuEMPTY", kBlankMenuCaption, ""},
        {"mnuHelp", "&Help", ""},
        {names::mnuZRHelp, "Zephyrod Calculator &Help", "mnuHelp", "F1"},
        {names::mnuAbout, "&About", "mnuHelp"},
    };
    return w;
}

WindowDesign BuildHelp() {
    // No caption: the title bar stays empty.
    WindowDesign w =
        Window("frmHelp", "", 8445, 5025, Border::FixedSingle, StartPosition::PlatformDefault);
    ControlDesign text = WithFont(Make(names::txtHelp, K::TextBox, "", {0, 120, 8415, 4365}, "", 1),
                                  {"MS Sans Serif", 9.75, false});
    text.multiLine = true;
    w.controls = {
        text,
        Make(names::cmdOK, K::CommandButton, "OK", {7560, 4560, 735, 375}, "", 0),
    };
    return w;
}

ControlDesign Line(int index, int x1, int y1, int x2, int y2, Rgb color, int width) {
    ControlDesign c =
        Indexed(Make("Line1", K::Line, "", {x1, y1, x2 - x1, y2 - y1}, "", {}), index);
    c.color = color;
    c.lineWidth = width;
    return c;
}

WindowDesign BuildAbout() {
    // The caption comes from the program's title when the window loads.
    WindowDesign w =
        Window("frmAbout", "", 5730, 3075, Border::FixedDialog, StartPosition::CenterOwner);
    w.faceColor = Rgb{239, 239, 239};
    ControlDesign label1 = Make("Label1", K::Label, kCopyrightLine1, {480, 2520, 3615, 255}, "", 5);
    label1.align = Align::Center;
    ControlDesign label2 = Make("Label2", K::Label, kCopyrightLine2, {360, 2760, 3855, 375}, "", 6);
    label2.align = Align::Center;
    ControlDesign ok = Make(names::cmdOK, K::CommandButton, "OK", {4245, 2625, 1260, 345}, "", 0);
    ok.defaultButton = true;
    ok.cancelButton = true;
    w.controls = {
        Make(names::picIcon, K::PictureBox, "", {240, 240, 540, 540}, "", 1),
        Black(WithFont(Make(names::lblTitle, K::Label, kAboutTitle, {1080, 240, 3885, 480}, "", 3),
                       {"MS Sans Serif", 18, true})),
        WithFont(Make(names::lblVersion, K::Label, "", {1080, 840, 3885, 225}, "", 4),
                 {"MS Sans Serif", 9.75, true}),
        Black(Make(names::lblDescription, K::Label, "", {1080, 1245, 4365, 1050}, "", 2)),
        Line(1, 90, 2445, 5654, 2445, {128, 128, 128}, 1),
        Line(0, 105, 2460, 5654, 2460, {255, 255, 255}, 2),
        label1,
        label2,
        ok,
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

const ControlDesign& Control(const WindowDesign& window, std::string_view name,
                             std::optional<int> index) {
    for (const ControlDesign& control : window.controls) {
        if (control.name == name && (!index || control.index == index)) {
            return control;
        }
    }
    throw std::out_of_range("no control " + std::string(name) + " in " + std::string(window.name));
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
