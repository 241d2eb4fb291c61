// The menu shortcuts' texts as keys: what the design may write, and what
// gives no key rather than a wrong one.
#include <gtest/gtest.h>

#include "accelerators.h"

namespace zephyrod::win32::test {
namespace {

struct ShortcutCase {
    const char* name;
    const char* text;
    BYTE flags;  // 0: no key
    WORD key;
};

const ShortcutCase kShortcuts[] = {
    {"F1", "F1", FVIRTKEY, VK_F1},
    {"F24", "F24", FVIRTKEY, VK_F24},
    {"CtrlLetter", "Ctrl+C", FVIRTKEY | FCONTROL, 'C'},
    {"ShiftFunctionKey", "Shift+F10", FVIRTKEY | FSHIFT, VK_F10},
    {"CtrlAltDigit", "Ctrl+Alt+7", FVIRTKEY | FCONTROL | FALT, '7'},
    {"None", "", 0, 0},
    {"F0", "F0", 0, 0},
    {"F25", "F25", 0, 0},
    {"LeadingZero", "F01", 0, 0},
    {"LowerCase", "f1", 0, 0},
    {"ModifierAlone", "Ctrl+", 0, 0},
    {"ModifierTwice", "Ctrl+Ctrl+C", 0, 0},
};

class ShortcutTest : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutTest, ParsesToItsKey) {
    const ShortcutCase& shortcut = GetParam();
    const std::optional<ACCEL> key = ParseShortcut(shortcut.text, 201);
    ASSERT_EQ(key.has_value(), shortcut.flags != 0);
    if (key) {
        EXPECT_EQ(key->fVirt, shortcut.flags);
        EXPECT_EQ(key->key, shortcut.key);
        EXPECT_EQ(key->cmd, 201);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ShortcutTest, ::testing::ValuesIn(kShortcuts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephyrod::win32::test
