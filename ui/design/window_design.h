// The three windows' designs as data: each window's properties and every
// control (name, kind, caption, rectangle in twips, container, tab index,
// font, the labels a field has, what a screen reader says). Every edition
// builds its windows from these tables, and its tests check the windows
// against them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input_fields.h"

namespace zephyrod::design {

enum class ControlKind {
    Frame,          // a group box, with or without a title
    Label,          // a static caption
    TextBox,        // a single-line edit field, or multi-line where `multiLine`
    CommandButton,  // a push button
    ListBox,        // a single-selection list of lines
    PictureBox,     // a framed picture: the program's icon
    Line,           // a line shape that takes no input
};

// The screen resolution the windows were laid out for: a pixel at 96 DPI is
// 15 twips, and the design's line widths are pixels at it.
inline constexpr int kDesignDpi = 96;

// Twips (1/1440 inch) to pixels at a screen's DPI, to the nearest pixel.
constexpr int Pixels(int twips, int dpi = kDesignDpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long per = 1440;
    return static_cast<int>(scaled >= 0 ? (scaled + per / 2) / per : -((-scaled + per / 2) / per));
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// A rectangle in pixels, each side converted on its own.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr PixelRect Pixels(const TwipsRect& twips, int dpi = kDesignDpi) {
    return {Pixels(twips.left, dpi), Pixels(twips.top, dpi), Pixels(twips.width, dpi),
            Pixels(twips.height, dpi)};
}

// A font the design names. A fixed-pitch font must stay fixed pitch wherever
// its family is missing: the sweep's columns rest on it.
struct FontDesign {
    std::string_view family;
    double points;
    bool bold = false;
    bool fixedPitch = false;

    // Whether it is the windows' standard font (kStandardFont).
    constexpr bool isStandard() const;

    friend bool operator==(const FontDesign&, const FontDesign&) = default;
};

// The windows' standard font: the 8-point sans-serif dialog font, which
// every control has that names no font of its own, and which the windows
// were laid out for. Where the platform lacks its family, each edition puts
// its nearest sans-serif in its place.
inline constexpr FontDesign kStandardFont{.family = "MS Sans Serif", .points = 8};

constexpr bool FontDesign::isStandard() const {
    return *this == kStandardFont;
}

enum class Align { Left, Center };

struct Rgb {
    int red;
    int green;
    int blue;
};

// A control by its name and, for a control array member, its index.
struct ControlRef {
    std::string_view name;
    std::optional<int> index{};

    bool empty() const { return name.empty(); }
};

// One control. A control array member has an `index` (0, 1, ...). A line
// runs from its rectangle's top-left corner to its bottom-right one (a level
// line has no height) and has a colour and width.
struct ControlDesign {
    std::string_view name;
    std::optional<int> index{};
    ControlKind kind;
    std::string_view caption{};
    TwipsRect rect{};
    std::string_view container{};   // empty: the window itself
    std::optional<int> tabIndex{};  // none for lines
    FontDesign font = kStandardFont;
    Align align = Align::Left;
    bool multiLine = false;
    bool defaultButton = false;      // Enter anywhere in the window presses it
    bool cancelButton = false;       // Esc anywhere in the window presses it
    std::optional<Rgb> textColor{};  // none: the platform's text colour
    // A line's colour and width (pixels at kDesignDpi).
    Rgb color{0, 0, 0};
    int lineWidth = 1;
    // A text box's labels: the one that captions it and the one that shows
    // its unit (none where it has no unit label).
    ControlRef captionLabel{};
    ControlRef unitLabel{};
    // What a screen reader announces for the control and what it adds, where
    // the control shows neither itself (a field's caption stands in a label
    // of its own, a list has none); empty: the platform's own (a button's
    // caption).
    std::string_view accessibleName{};
    std::string_view accessibleDescription{};

    // A line's far end point (twips).
    int x2() const { return rect.left + rect.width; }
    int y2() const { return rect.top + rect.height; }

    // Whether the control can hold the keyboard focus.
    bool takesFocus() const {
        return kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
               kind == ControlKind::ListBox;
    }
};

enum class Border {
    Sizable,      // resizable, minimise button, no maximise button
    FixedSingle,  // fixed size, close box only
    FixedDialog,  // fixed dialog frame, close box only
};

enum class StartPosition { CenterScreen, PlatformDefault, CenterOwner };

struct MenuItemDesign {
    std::string_view name;
    std::string_view caption;   // "&" marks the access key
    std::string_view parent{};  // empty: on the menu bar
    // The key that gives the same command from anywhere in the window, as
    // the menu shows it beside the caption ("F1"); empty: none.
    std::string_view shortcut{};
    // An item that only takes room on the bar, pushing the items after it to
    // the bar's far end: its caption is blanks, and choosing it does nothing.
    bool spacer = false;
};

struct WindowDesign {
    std::string_view name;
    std::string_view caption;  // empty where the window sets it when it loads
    int clientWidth;           // twips
    int clientHeight;          // twips
    Border border;
    StartPosition startPosition;
    // What a screen reader announces for the window (the help window's title
    // bar stays empty; the about window's caption is set as it loads).
    std::string accessibleName{};
    // A face colour of its own, kept whatever colours the desktop's theme
    // imposes (the about window's black texts and etched rule need a light
    // face); none: the platform's.
    std::optional<Rgb> faceColor{};
    std::vector<ControlDesign> controls{};  // in visual order, containers first
    std::vector<MenuItemDesign> menu{};     // in order
};

const WindowDesign& MainWindowDesign();

// The names of the controls and menu items that the windows' code reaches,
// each written once: the design tables name the rows by them and the
// editions fill their typed sets of controls by them, so that a mistyped
// name does not compile.
namespace names {
inline constexpr std::string_view txtFreq = "txtFreq";
inline constexpr std::string_view txtResDia = "txtResDia";
inline constexpr std::string_view txtCoilDia = "txtCoilDia";
inline constexpr std::string_view txtTPI = "txtTPI";
inline constexpr std::string_view cmdGo = "cmdGo";
inline constexpr std::string_view lstValues = "lstValues";
inline constexpr std::string_view lstSweep = "lstSweep";
inline constexpr std::string_view mnuZRHelp = "mnuZRHelp";
inline constexpr std::string_view mnuAbout = "mnuAbout";
inline constexpr std::string_view txtHelp = "txtHelp";
inline constexpr std::string_view cmdOK = "cmdOK";
inline constexpr std::string_view picIcon = "picIcon";
inline constexpr std::string_view lblTitle = "lblTitle";
inline constexpr std::string_view lblVersion = "lblVersion";
inline constexpr std::string_view lblDescription = "lblDescription";
}  // namespace names

// The main window's text box that holds each input field, in the order of
// kInputFields.
inline constexpr std::array<std::string_view, kInputFieldCount> kFieldControls{
    names::txtFreq, names::txtResDia, names::txtCoilDia, names::txtTPI};

constexpr std::string_view FieldControl(InputField field) {
    return kFieldControls[static_cast<std::size_t>(field)];
}

const WindowDesign& HelpWindowDesign();
const WindowDesign& AboutWindowDesign();

// The control of that name (and index, for a control array member; without
// one, the first of that name); FindControl gives null and Control throws
// std::out_of_range when the design has none.
const ControlDesign* FindControl(const WindowDesign& window, std::string_view name,
                                 std::optional<int> index = std::nullopt);
const ControlDesign* FindControl(const WindowDesign& window, const ControlRef& ref);
const ControlDesign& Control(const WindowDesign& window, std::string_view name,
                             std::optional<int> index = std::nullopt);
const ControlDesign& Control(const WindowDesign& window, const ControlRef& ref);

// A control's place in its window's table (from 0).
std::size_t Row(const WindowDesign& window, const ControlDesign& control);

// The menu item of that name, or null; its place in the window's menu.
const MenuItemDesign* FindMenuItem(const WindowDesign& window, std::string_view name);
std::size_t MenuRow(const WindowDesign& window, const MenuItemDesign& item);

// Whether the menu item opens a menu of items of its own.
bool HasChildren(const WindowDesign& window, std::string_view menuItem);

// The controls that take the focus, in the order Tab visits them.
std::vector<const ControlDesign*> TabOrder(const WindowDesign& window);

// Where a control lies in the window's client area (twips): its own
// rectangle moved by its containers' positions.
TwipsRect WindowRect(const WindowDesign& window, const ControlDesign& control);

}  // namespace zephyrod::design
