// Writing JSON for the page: the texts quoted, the rest as the page reads it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephyrod::web {

// A JSON string: quotes, backslashes and control characters escaped, every
// other byte as it is (the texts are UTF-8).
std::string JsonString(std::string_view text);

// A JSON number from a whole number or from a decimal (plain digits, no
// exponent: 9.75, 8).
std::string JsonNumber(long long value);
std::string JsonDecimal(double value);
// A JSON number that reads back as the very same double: the fewest digits
// that do (the core's ShortestText: its digits and their power of ten);
// null for a value that is not finite. Quick, for the many values of a sweep.
std::string JsonValue(double value);

// An array of JSON strings; null where there is none.
std::string JsonStrings(const std::vector<std::string>& texts);
std::string JsonStrings(const std::optional<std::vector<std::string>>& texts);

// {"key":value,...} from pairs of a key and a value already in JSON.
class JsonObject {
  public:
    JsonObject& Add(std::string_view key, const std::string& json);
    JsonObject& AddText(std::string_view key, std::string_view text);
    std::string Text() const { return text_ + "}"; }

  private:
    std::string text_ = "{";
};

// [a,b,...] from values already in JSON.
std::string JsonArray(const std::vector<std::string>& items);

}  // namespace zephyrod::web
