// The windows' designs and texts, as every edition takes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_texts.h"
#include "window_design.h"

namespace zephyrod::design {
namespace {

std::vector<std::string> TabNames(const WindowDesign& window) {
    std::vector<std::string> names;
    for (const ControlDesign* control : TabOrder(window)) {
        names.emplace_back(control->name);
    }
    return names;
}

TEST(WindowDesign, TabVisitsCoilDiameterBeforeResonatorDiameter) {
    EXPECT_EQ(TabNames(MainWindowDesign()),
              (std::vector<std::string>{"txtFreq", "txtCoilDia", "txtResDia", "txtTPI", "cmdGo",
                                        "lstValues", "lstSweep"}));
    EXPECT_EQ(TabNames(HelpWindowDesign()), (std::vector<std::string>{"cmdOK", "txtHelp"}));
    EXPECT_EQ(TabNames(AboutWindowDesign()), (std::vector<std::string>{"cmdOK"}));
}

TEST(WindowDesign, ControlsInsideFramesLieInTheWindow) {
    const WindowDesign& main = MainWindowDesign();
    const TwipsRect sweep = WindowRect(main, Control(main, "lstSweep"));
    EXPECT_EQ(sweep.left, 120);
    EXPECT_EQ(sweep.top, 3720 + 240);
    const TwipsRect unit = WindowRect(main, Control(main, "lblUnit", 1));
    EXPECT_EQ(unit.top, 1800);
    EXPECT_EQ(Control(main, "lblUnit", 1).caption, "mm");
    EXPECT_THROW(Control(main, "lblUnit", 2), std::out_of_range);
}

// Every edition labels a field from its row: the caption label must hold the
// field's caption and the unit label its unit, each a label in the field's box.
TEST(WindowDesign, EachFieldNamesItsCaptionAndUnitLabels) {
    const WindowDesign& main = MainWindowDesign();
    for (const InputFieldInfo& info : kInputFields) {
        const ControlDesign& box = Control(main, FieldControl(info.field));
        const ControlDesign& caption = Control(main, box.captionLabel);
        EXPECT_EQ(caption.kind, ControlKind::Label) << box.name;
        EXPECT_EQ(caption.caption, info.caption) << box.name;
        EXPECT_EQ(caption.container, box.container) << box.name;
        EXPECT_EQ(box.accessibleName, info.caption) << box.name;
        EXPECT_EQ(box.accessibleDescription, info.unit) << box.name;
        if (info.field == InputField::TurnsPerCm) {
            EXPECT_TRUE(box.unitLabel.empty());  // its unit stands in its caption
            continue;
        }
        const ControlDesign& unit = Control(main, box.unitLabel);
        EXPECT_EQ(unit.caption, info.unit) << box.name;
        EXPECT_EQ(unit.rect.top, box.rect.top) << box.name;
    }
    EXPECT_EQ(Control(main, "txtResDia").unitLabel.index, 0);
}

TEST(WindowDesign, WindowsAndCaptionlessControlsHaveScreenReaderNames) {
    EXPECT_EQ(MainWindowDesign().accessibleName, "Zephyrod Metric Calculator");
    EXPECT_EQ(HelpWindowDesign().caption, "");
    EXPECT_EQ(HelpWindowDesign().accessibleName, "Zephyrod Calculator Help");
    EXPECT_EQ(AboutWindowDesign().accessibleName, "About Zephyrod");
    EXPECT_EQ(Control(MainWindowDesign(), "lstValues").accessibleName, "Results");
    EXPECT_EQ(Control(MainWindowDesign(), "lstSweep").accessibleName, "Sweep Data");
    EXPECT_EQ(Control(HelpWindowDesign(), "txtHelp").accessibleName, "Help");
}

TEST(WindowDesign, TwipsBecomePixelsAtTheScreensDpi) {
    EXPECT_EQ(Pixels(6240), 416);
    EXPECT_EQ(Pixels(8745), 583);
    EXPECT_EQ(Pixels(7), 0);  // under half a pixel
    EXPECT_EQ(Pixels(8), 1);
    EXPECT_EQ(Pixels(6240, 144), 624);
    EXPECT_EQ(Pixels(-15), -1);
    const PixelRect box = Pixels(TwipsRect{1080, 600, 1335, 285}, 120);
    EXPECT_EQ(box.left, 90);
    EXPECT_EQ(box.width, 111);  // 111.25: each side rounds on its own
}

TEST(WindowDesign, MenuPlacesHelpAfterTheBlankItem) {
    const std::vector<MenuItemDesign>& menu = MainWindowDesign().menu;
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0].caption, std::string(120, ' '));
    EXPECT_TRUE(menu[0].spacer);
    EXPECT_FALSE(HasChildren(MainWindowDesign(), "mnuEMPTY"));
    EXPECT_TRUE(HasChildren(MainWindowDesign(), "mnuHelp"));
    EXPECT_EQ(menu[1].caption, "&Help");
    EXPECT_EQ(menu[2].parent, "mnuHelp");
    EXPECT_EQ(menu[3].caption, "&About");
    // F1 opens the help from anywhere in the window; About has no key.
    EXPECT_EQ(menu[2].shortcut, "F1");
    EXPECT_EQ(menu[3].shortcut, "");
}

TEST(HelpText, IsSixParagraphsAsWritten) {
    const std::string text = HelpText();
    EXPECT_EQ(text.rfind("Enter the desired center frequency, the diameter of the resonator and "
                         "coil form, and the turns",
                         0),
              0u);
    EXPECT_NE(text.find("close  wound"), std::string::npos);
    EXPECT_NE(text.find("rough idea of the"), std::string::npos);
    EXPECT_NE(text.find("tune my antennas,"), std::string::npos);
    EXPECT_NE(text.find("reached at: zephyrod@example.org\r\n\r\n73 and Good Luck with the "
                        "Zephyrod!\r\n\r\nWendel - Korrin"),
              std::string::npos);
    std::size_t paragraphs = 1;
    for (std::size_t at = text.find("\r\n\r\n"); at != std::string::npos;
         at = text.find("\r\n\r\n", at + 4)) {
        ++paragraphs;
    }
    EXPECT_EQ(paragraphs, 6u);
    EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 15), "Wendel - Korrin");
}

TEST(AboutTexts, CaptionVersionAndDescription) {
    EXPECT_EQ(AboutCaption(), "About Zephyrod");
    EXPECT_EQ(VersionLine(), "Version 1.0.0");
    EXPECT_EQ(AboutDescription(),
              "Based on the Zephyrod design by Brennick, Ostral\r\n"
              "\r\n"
              " \r\n\r\n");
}

}  // namespace
}  // namespace zephyrod::design
