// The program's UTF-8 texts as Windows' UTF-16 and back. A byte sequence
// that is not UTF-8 becomes the replacement character, as Windows converts it.
#pragma once

#include <string>
#include <string_view>

namespace zephyrod::utf16 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace zephyrod::utf16
