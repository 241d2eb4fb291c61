// Typed text quoted in a message: what the user typed, shown safely on one
// line.
#pragma once

#include <string>
#include <string_view>

namespace zephyrod {

// The text in double quotes, at most 32 bytes of it (cut before a character,
// never inside one, with "..." after a cut); a byte that is not part of a
// UTF-8 character, and a control character (a line break, a tab), becomes
// the replacement character.
std::string Quoted(std::string_view typed);

}  // namespace zephyrod
