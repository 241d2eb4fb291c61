#include "typed_text.h"

#include <algorithm>

#include "calc_error.h"
#include "number_text.h"

namespace zephyrod {
namespace {

// The length of the well-formed UTF-8 character at the start of `text`, or
// 0 where its bytes are not one.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code >= smallest[length] && code <= 0x10FFFF && !surrogate ? length : 0;
}

// The text as a message can show it on one line: a byte that is not part of
// a UTF-8 character, and a control character (a line break, a tab), becomes
// the replacement character.
std::string Printable(std::string_view text) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string shown;
    while (!text.empty()) {
        const std::size_t length = CharacterLength(text);
        const auto first = static_cast<unsigned char>(text[0]);
        if (length == 0 || first < 0x20 || first == 0x7F) {
            shown += kReplacement;
            text.remove_prefix(length == 0 ? 1 : length);
        } else {
            shown += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return shown;
}

}  // namespace

std::string Quoted(std::string_view typed) {
    const std::string printable = Printable(typed);
    const std::string_view text = printable;
    constexpr std::size_t kShown = 32;
    std::size_t cut = std::min(kShown, text.size());
    // Cut before a UTF-8 continuation byte, never inside a character.
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    std::string shown(text.substr(0, cut));
    if (cut < text.size()) {
        shown += "...";
    }
    return "\"" + shown + "\"";
}

std::optional<std::string> WithDecimalPoint(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    std::string withPoint(text);
    withPoint[comma] = '.';
    try {
        ParseDouble(withPoint);
        return withPoint;
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

}  // namespace zephyrod
