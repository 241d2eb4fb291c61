// Typed text as the messages and the fields meet it: quoted safely on one
// line, and a decimal comma recognised.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephyrod {

// The text in double quotes, at most 32 bytes of it (cut before a character,
// never inside one, with "..." after a cut); a byte that is not part of a
// UTF-8 character, and a control character (a line break, a tab), becomes
// the replacement character.
std::string Quoted(std::string_view typed);

// A number written with a comma for the decimal point ("7,07", ",5"), as the
// calculator reads it: the text with its one comma as a point. None where
// the text has no comma, more than one, or would not be a number with a
// point either ("1,000.5", "7,0,7", "abc,").
std::optional<std::string> WithDecimalPoint(std::string_view text);

}  // namespace zephyrod
