// The windows' own texts: captions, the help text and the about window's
// lines. A line break inside them is a carriage return and a line feed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app_identity.h"
#include "input_fields.h"

namespace zephyrod::design {

inline constexpr std::string_view kLineBreak = "\r\n";

// The program's product name.
inline constexpr std::string_view kMainWindowCaption = identity::kProductName;

// Where the user can reach the author.
inline constexpr std::string_view kContactAddress = identity::kContact;

// The help window's text: six paragraphs, one empty line between them.
std::string HelpText();

// What a screen reader announces for the help window, whose title bar stays
// empty.
inline constexpr std::string_view kHelpWindowAccessibleName = "Zephyrod Calculator Help";

// The about window.
inline constexpr std::string_view kAboutTitle = "Zephyrod Calculator";
inline constexpr std::string_view kCopyrightLine1 = identity::kCopyrightNotice;
inline constexpr std::string_view kCopyrightLine2 = "Free software under the MIT License";

// "About " and the application's title: "About Zephyrod".
std::string AboutCaption();
// "Version 1.0.0", from the program's version.
std::string VersionLine();
// The credit on the first of five lines; the others are blank.
std::string AboutDescription();

// The help text box's name for a screen reader.
inline constexpr std::string_view kHelpTextAccessibleName = "Help";

// The lists' context menu: copy the selected line, or every line.
inline constexpr std::string_view kCopyCaption = "Copy";
inline constexpr std::string_view kCopyAllCaption = "Copy All";

// The web page's own additions: copying the sweep as CSV, and the words that
// join the numbers in the text that tells a screen reader what the sweep's
// chart shows ("Resonator 715.37 mm at 6.57 MHz to ...; center 7.07 MHz: ...").
inline constexpr std::string_view kCopyCsvCaption = "Copy CSV";
inline constexpr std::string_view kChartCentreWord = "center";
inline constexpr std::string_view kChartAtWord = "at";
inline constexpr std::string_view kChartToWord = "to";

// The page's Share button, which hands the link of the design calculated
// last to the system's sharing, or copies it where the browser cannot share,
// and says so.
inline constexpr std::string_view kShareCaption = "Share";
inline constexpr std::string_view kLinkCopiedWords = "Link copied";

// The page's link of a design: each field's text after its key in the
// address ("#f=7.07&r=25.4&c=34.925&t=8.66"), in the order of kInputFields.
inline constexpr std::array<std::string_view, kInputFieldCount> kFieldLinkKeys{"f", "r", "c", "t"};

// The page's words for a browser that cannot run the calculator: what it
// lacks (the features by name, joined by ", "), then which browsers work.
inline constexpr std::string_view kUnsupportedLead =
    "This calculator cannot run in this browser. It lacks: ";
inline constexpr std::string_view kLacksWebAssembly = "WebAssembly";
inline constexpr std::string_view kLacksModules = "JavaScript modules";
inline constexpr std::string_view kLacksDialogs = "dialog boxes";
inline constexpr std::string_view kBrowsersThatWork =
    "It runs in Firefox 102, Chrome 97, Edge 97 and Safari 16 or newer, on computers, tablets "
    "and phones. On an iPhone or iPad in Lockdown Mode, WebAssembly is off: turn Lockdown Mode "
    "off for this website in Safari's settings.";

// The two lists' names for a screen reader (they have no caption of their own).
inline constexpr std::string_view kValuesAccessibleName = "Results";
inline constexpr std::string_view kSweepAccessibleName = "Sweep Data";

}  // namespace zephyrod::design
