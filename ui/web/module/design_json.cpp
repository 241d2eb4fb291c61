#include "design_json.h"

#include <optional>
#include <string_view>
#include <vector>

#include "app_identity.h"
#include "calculate_outcome.h"
#include "input_fields.h"
#include "json_text.h"
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

std::string_view BorderName(design::Border border) {
    switch (border) {
        case design::Border::Sizable:
            return "Sizable";
        case design::Border::FixedSingle:
            return "FixedSingle";
        case design::Border::FixedDialog:
            return "FixedDialog";
    }
    return "";
}

std::string_view StartPositionName(design::StartPosition position) {
    switch (position) {
        case design::StartPosition::CenterScreen:
            return "CenterScreen";
        case design::StartPosition::PlatformDefault:
            return "PlatformDefault";
        case design::StartPosition::CenterOwner:
            return "CenterOwner";
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

// The name a screen reader announces: the one the design gives the control,
// otherwise its caption (the field's caption for a text box).
std::string_view AccessibleName(const ControlDesign& control) {
    for (const InputFieldInfo& field : kInputFields) {
        if (control.name == design::FieldControl(field.field)) {
            return field.caption;
        }
    }
    if (control.name == design::names::lstValues) {
        return design::kValuesAccessibleName;
    }
    if (control.name == design::names::lstSweep) {
        return design::kSweepAccessibleName;
    }
    if (control.name == design::names::txtHelp) {
        return design::kHelpTextAccessibleName;
    }
    return control.caption;
}

std::string ControlJson(const ControlDesign& control) {
    JsonObject font;
    font.AddText("face", control.font.family)
        .Add("points", JsonDecimal(control.font.points))
        .Add("bold", control.font.bold ? "true" : "false")
        .Add("fixedPitch", control.font.fixedPitch ? "true" : "false");
    JsonObject json;
    json.AddText("name", control.name)
        .Add("index", OptionalNumber(control.index))
        .AddText("kind", KindName(control.kind))
        .AddText("caption", control.caption)
        .Add("left", JsonNumber(control.rect.left))
        .Add("top", JsonNumber(control.rect.top))
        .Add("width", JsonNumber(control.rect.width))
        .Add("height", JsonNumber(control.rect.height))
        .AddText("container", control.container)
        .Add("tabIndex", OptionalNumber(control.tabIndex))
        .Add("font", font.Text())
        .AddText("align", control.align == design::Align::Center ? "Center" : "Left")
        .AddText("accessibleName", AccessibleName(control))
        .Add("multiLine", control.multiLine ? "true" : "false")
        .Add("defaultButton", control.defaultButton ? "true" : "false")
        .Add("cancelButton", control.cancelButton ? "true" : "false")
        .Add("textColor", control.textColor ? JsonString(ColorText(*control.textColor)) : "null");
    if (control.kind == ControlKind::Line) {
        json.Add("x2", JsonNumber(control.x2()))
            .Add("y2", JsonNumber(control.y2()))
            .AddText("color", ColorText(control.color))
            .Add("lineWidth", JsonNumber(control.lineWidth));
    }
    return json.Text();
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
                                .Add("children", MenuJson(window, item.name))
                                .Text());
        }
    }
    return JsonArray(items);
}

std::string WindowJson(const WindowDesign& window, std::string_view accessibleName) {
    std::vector<std::string> controls;
    for (const ControlDesign& control : window.controls) {
        controls.push_back(ControlJson(control));
    }
    return JsonObject()
        .AddText("name", window.name)
        .AddText("caption", window.caption)
        .AddText("accessibleName", accessibleName)
        .Add("width", JsonNumber(window.clientWidth))
        .Add("height", JsonNumber(window.clientHeight))
        .AddText("border", BorderName(window.border))
        .AddText("startPosition", StartPositionName(window.startPosition))
        .Add("faceColor", window.faceColor ? JsonString(ColorText(*window.faceColor)) : "null")
        .Add("controls", JsonArray(controls))
        .Text();
}

// The caption of the label that shows a field's unit: the label beside the
// field, on its row in the same frame; empty where the field has none.
std::string_view UnitLabel(const WindowDesign& window, const ControlDesign& field) {
    for (const ControlDesign& control : window.controls) {
        if (control.kind == ControlKind::Label && control.container == field.container &&
            control.rect.top == field.rect.top && control.rect.left > field.rect.left) {
            return control.caption;
        }
    }
    return "";
}

std::string FieldsJson() {
    const WindowDesign& window = design::MainWindowDesign();
    const InputTexts defaults = DefaultInputTexts();
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        const InputFieldInfo& info = kInputFields[i];
        const std::string_view control = design::FieldControl(info.field);
        const ControlDesign& field = design::Control(window, control);
        fields.push_back(JsonObject()
                             .AddText("control", control)
                             .AddText("caption", info.caption)
                             .AddText("unit", info.unit)
                             .AddText("unitLabel", UnitLabel(window, field))
                             .AddText("defaultText", defaults[i])
                             .AddText("accessibleName", info.caption)
                             .AddText("accessibleDescription", info.unit)
                             .Text());
    }
    return JsonArray(fields);
}

}  // namespace

std::string DesignJson() {
    const WindowDesign& main = design::MainWindowDesign();
    const std::string windows =
        JsonObject()
            .Add("frmMain", WindowJson(main, main.caption))
            .Add("frmHelp",
                 WindowJson(design::HelpWindowDesign(), design::kHelpWindowAccessibleName))
            .Add("frmAbout", WindowJson(design::AboutWindowDesign(), design::AboutCaption()))
            .Text();
    const std::string help = JsonObject()
                                 .AddText("text", design::HelpText())
                                 .AddText("accessibleName", design::kHelpTextAccessibleName)
                                 .AddText("windowAccessibleName", design::kHelpWindowAccessibleName)
                                 .Text();
    const std::string about =
        JsonObject()
            .AddText("caption", design::AboutCaption())
            .AddText("title", design::kAboutTitle)
            .AddText("version", design::VersionLine())
            .AddText("description", design::AboutDescription())
            .Add("copyright",
                 JsonStrings(std::vector<std::string>{std::string(design::kCopyrightLine1),
                                                      std::string(design::kCopyrightLine2)}))
            .Text();
    const std::string copyMenu = JsonObject()
                                     .AddText("copy", design::kCopyCaption)
                                     .AddText("copyAll", design::kCopyAllCaption)
                                     .AddText("copyCsv", design::kCopyCsvCaption)
                                     .Text();
    const std::string chartWords = JsonObject()
                                       .AddText("centre", design::kChartCentreWord)
                                       .AddText("at", design::kChartAtWord)
                                       .AddText("to", design::kChartToWord)
                                       .Text();
    return JsonObject()
        .AddText("title", design::kMainWindowCaption)
        .AddText("version", identity::kVersion)
        .AddText("versionText", design::VersionLine())
        .AddText("aboutCaption", design::AboutCaption())
        .AddText("errorTitle", design::kMainWindowCaption)
        .Add("fields", FieldsJson())
        .Add("windows", windows)
        .Add("menu", MenuJson(main, ""))
        .Add("help", help)
        .Add("about", about)
        .Add("copyMenu", copyMenu)
        .Add("chartWords", chartWords)
        .Text();
}

}  // namespace zephyrod::web
