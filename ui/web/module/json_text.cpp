#include "json_text.h"

#include <cmath>

#include "number_text.h"

namespace zephyrod::web {

std::string JsonString(std::string_view text) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\r') {
            json += "\\r";
        } else if (byte < 0x20) {
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 0xF];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string JsonNumber(long long value) {
    return IntegerText(value);
}

std::string JsonDecimal(double value) {
    return NumberText(value);
}

std::string JsonValue(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    return ShortestText(value);
}

std::string JsonStrings(const std::vector<std::string>& texts) {
    std::vector<std::string> items;
    items.reserve(texts.size());
    for (const std::string& text : texts) {
        items.push_back(JsonString(text));
    }
    return JsonArray(items);
}

std::string JsonStrings(const std::optional<std::vector<std::string>>& texts) {
    return texts ? JsonStrings(*texts) : "null";
}

JsonObject& JsonObject::Add(std::string_view key, const std::string& json) {
    if (text_.size() > 1) {
        text_ += ',';
    }
    text_ += JsonString(key);
    text_ += ':';
    text_ += json;
    return *this;
}

JsonObject& JsonObject::AddText(std::string_view key, std::string_view text) {
    return Add(key, JsonString(text));
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string json = "[";
    for (const std::string& item : items) {
        if (json.size() > 1) {
            json += ',';
        }
        json += item;
    }
    return json + "]";
}

}  // namespace zephyrod::web
