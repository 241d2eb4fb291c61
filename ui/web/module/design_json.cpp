#include "design_json.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "input_fields.h"
#include "json_text.h"
#include "sweep_layout.h"
#include "ui_texts.h"
#include "window_design.h"

namespace zephyrod::web {
namespace {

using design::ControlDesign;
using design::ControlKind;
using design::WindowDesign;

std::string_view KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::Label:
            return "Label";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::CommandButton:
            return "CommandButton";
        case ControlKind::ListBox:
            return "ListBox";
        case ControlKind::PictureBox:
            return "PictureBox";
        case ControlKind::Line:
            return "Line";
    }
    return "";
}

// "#rrggbb".
std::string ColorText(const design::Rgb& color) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    std::string text = "#";
    for (const int part : {color.red, color.green, color.blue}) {
        text += kHex[(part >> 4) & 0xF];
        text += kHex[part & 0xF];
    }
    return text;
}

std::string OptionalNumber(const std::optional<int>& value) {
    return value ? JsonNumber(*value) : "null";
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

// A label a text box names: {"name", "index"}; null where it names none.
std::string RefJson(const design::ControlRef& ref) {
    if (ref.empty()) {
        return "null";
    }
    return JsonObject().AddText("name", ref.name).Add("index", OptionalNumber(ref.index)).Text();
}

// What the window's code puts in a control as the window loads, where the
// design leaves it empty: the about window's version and description, the
// help window's text. Null elsewhere: the control shows its caption.
std::string LoadedText(const ControlDesign& control) {
    if (control.name == design::names::lblVersion) {
        return JsonString(design::VersionLine());
    }
    if (control.name == design::names::lblDescription) {
        return JsonString(design::AboutDescription());
    }
    if (control.name == design::names::txtHelp) {
        return JsonString(design::HelpText());
    }
    return "null";
}

// Which of Calculate's lists a list box shows ("values", "sweep"), as the
// calculation's JSON names them; null for any other control.
std::string ListShown(const ControlDesign& control) {
    if (control.name == design::names::lstValues) {
        return JsonString("values");
    }
    if (control.name == design::names::lstSweep) {
        return JsonString("sweep");
    }
    return "null";
}

// What follows each column of a list's rows, in the columns' order, for the
// list that shows the sweep ("      ", "mm     ", ...): with the rows' pieces
// it makes each line, so that the page can lay the columns out itself. Null
// for any other control.
std::string ColumnEnds(const ControlDesign& control) {
    if (control.name != design::names::lstSweep) {
        return "null";
    }
    std::vector<std::string> ends;
    for (const SweepColumnLayout& column : kSweepColumns) {
        ends.push_back(JsonString(column.end));
    }
    return JsonArray(ends);
}

std::string ControlJson(const ControlDesign& control) {
    JsonObject font;
    font.AddText("face", control.font.family)
        .Add("points", JsonDecimal(control.font.points))
        .Add("bold", Bool(control.font.bold))
        .Add("fixedPitch", Bool(control.font.fixedPitch));
    JsonObject json;
    json.AddText("name", control.name)
        .Add("index", OptionalNumber(control.index))
        .AddText("kind", KindName(control.kind))
        .AddText("caption", control.caption)
        .Add("text", LoadedText(control))
        .Add("left", JsonNumber(control.rect.left))
        .Add("top", JsonNumber(control.rect.top))
        .Add("width", JsonNumber(control.rect.width))
        .Add("height", JsonNumber(control.rect.height))
        .AddText("container", control.container)
        .Add("font", font.Text())
        .AddText("align", control.align == design::Align::Center ? "Center" : "Left")
        .AddText("accessibleName", control.accessibleName)
        .AddText("accessibleDescription", control.accessibleDescription)
        .Add("captionLabel", RefJson(control.captionLabel))
        .Add("unitLabel", RefJson(control.unitLabel))
        .Add("multiLine", Bool(control.multiLine))
        .Add("defaultButton", Bool(control.defaultButton))
        .Add("cancelButton", Bool(control.cancelButton))
        .Add("shows", ListShown(control))
        .Add("columnEnds", ColumnEnds(control));
    if (control.kind == ControlKind::Line) {
        json.AddText("color", ColorText(control.color))
            .Add("lineWidth", JsonNumber(control.lineWidth));
    }
    return json.Text();
}

// The window a menu item opens, as the design's JSON names it among its
// windows ("help", "about"); null for an item that opens none.
std::string WindowOpened(const design::MenuItemDesign& item) {
    if (item.name == design::names::mnuZRHelp) {
        return JsonString("help");
    }
    if (item.name == design::names::mnuAbout) {
        return JsonString("about");
    }
    return "null";
}

// The menu as a tree: each item with its children, in the design's order.
std::string MenuJson(const WindowDesign& window, std::string_view parent) {
    std::vector<std::string> items;
    for (const design::MenuItemDesign& item : window.menu) {
        if (item.parent == parent) {
            items.push_back(JsonObject()
                                .AddText("name", item.name)
                                .AddText("caption", item.caption)
                                .AddText("shortcut", item.shortcut)
                                .Add("spacer", Bool(item.spacer))
                                .Add("opens", WindowOpened(item))
                                .Add("children", MenuJson(window, item.name))
                                .Text());
        }
    }
    return JsonArray(items);
}

std::string WindowJson(const WindowDesign& window) {
    std::vector<std::string> controls;
    for (const ControlDesign& control : window.controls) {
        controls.push_back(ControlJson(control));
    }
    return JsonObject()
        .AddText("name", window.name)
        .AddText("caption", window.caption)
        .AddText("accessibleName", window.accessibleName)
        .Add("width", JsonNumber(window.clientWidth))
        .Add("faceColor", window.faceColor ? JsonString(ColorText(*window.faceColor)) : "null")
        .Add("controls", JsonArray(controls))
        .Add("menu", MenuJson(window, ""))
        .Text();
}

// The fields in reading order: the text box that holds each, its default and
// its key in the page's link.
std::string FieldsJson() {
    const InputTexts defaults = DefaultInputTexts();
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        fields.push_back(JsonObject()
                             .AddText("control", design::FieldControl(kInputFields[i].field))
                             .AddText("defaultText", defaults[i])
                             .AddText("linkKey", design::kFieldLinkKeys[i])
                             .Text());
    }
    return JsonArray(fields);
}

// The sweep header's titles, one a column from the first: its words, in the
// columns' order.
std::vector<std::string_view> HeaderTitles() {
    std::vector<std::string_view> titles;
    std::string_view rest = kSweepHeader;
    while (!rest.empty()) {
        const std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(start);
        const std::size_t end = std::min(rest.find(' '), rest.size());
        titles.push_back(rest.substr(0, end));
        rest.remove_prefix(end);
    }
    return titles;
}

// A curve or scale of the sweep's chart: the column it takes from each row,
// the column's title and the unit its numbers count in (empty: none).
std::string AxisJson(SweepColumn column, std::string_view unit) {
    const auto index = static_cast<std::size_t>(column);
    const std::vector<std::string_view> titles = HeaderTitles();
    return JsonObject()
        .Add("column", JsonNumber(static_cast<long long>(index)))
        .AddText("title", index < titles.size() ? titles[index] : std::string_view())
        .AddText("unit", unit)
        .Text();
}

std::string ChartJson() {
    const std::string words = JsonObject()
                                  .AddText("centre", design::kChartCentreWord)
                                  .AddText("at", design::kChartAtWord)
                                  .AddText("to", design::kChartToWord)
                                  .Text();
    // The resonator's length counts in the unit of its diameter.
    return JsonObject()
        .Add("frequency", AxisJson(SweepColumn::Frequency, FieldInfo(InputField::Frequency).unit))
        .Add("length",
             AxisJson(SweepColumn::ResonatorLength, FieldInfo(InputField::ResonatorDiameter).unit))
        .Add("turns", AxisJson(SweepColumn::Turns, ""))
        .Add("words", words)
        .Text();
}

}  // namespace

std::string DesignJson() {
    const std::string windows = JsonObject()
                                    .Add("main", WindowJson(design::MainWindowDesign()))
                                    .Add("help", WindowJson(design::HelpWindowDesign()))
                                    .Add("about", WindowJson(design::AboutWindowDesign()))
                                    .Text();
    const std::string copyMenu = JsonObject()
                                     .AddText("copy", design::kCopyCaption)
                                     .AddText("copyAll", design::kCopyAllCaption)
                                     .AddText("copyCsv", design::kCopyCsvCaption)
                                     .Text();
    return JsonObject()
        .Add("standardFontPoints", JsonDecimal(design::kStandardFont.points))
        .Add("windows", windows)
        .Add("fields", FieldsJson())
        .Add("copyMenu", copyMenu)
        .Add("share", JsonObject()
                          .AddText("caption", design::kShareCaption)
                          .AddText("copied", design::kLinkCopiedWords)
                          .Text())
        .Add("chart", ChartJson())
        .Text();
}

}  // namespace zephyrod::web
