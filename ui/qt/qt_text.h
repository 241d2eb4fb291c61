// The program's UTF-8 texts as Qt strings, and how a control array member
// carries its index.
#pragma once

#include <QString>
#include <string_view>

namespace zephyrod::ui {

// The property that tells the members of a control array apart.
inline constexpr char kIndexProperty[] = "index";
// The property that marks the menu bar's spacer item.
inline constexpr char kSpacerProperty[] = "spacer";

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zephyrod::ui
