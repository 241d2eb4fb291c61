// The functions the page calls in the WebAssembly module. Texts cross as
// UTF-8; each answer is a JSON text in memory the caller frees with free(),
// or null when memory ran out.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "json_text.h"
#include "outcome_json.h"
#include "typed_text.h"

namespace {

char* Handover(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy != nullptr) {
        std::memcpy(copy, text.c_str(), text.size() + 1);
    }
    return copy;
}

// An answer made by `answer`, handed over; null where making it ran out of memory.
template <class Make>
char* Answer(Make answer) {
    try {
        return Handover(answer());
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The four fields' texts, in reading order, each given by its UTF-8 bytes and
// their count (zero bytes included).
zephyrod::InputTexts Texts(const char* text0, std::size_t size0, const char* text1,
                           std::size_t size1, const char* text2, std::size_t size2,
                           const char* text3, std::size_t size3) {
    return {std::string(text0, size0), std::string(text1, size1), std::string(text2, size2),
            std::string(text3, size3)};
}

}  // namespace

extern "C" {

// What Calculate leaves in the page for the fields' texts.
EMSCRIPTEN_KEEPALIVE char* zephyrod_calculate(const char* text0, std::size_t size0,
                                              const char* text1, std::size_t size1,
                                              const char* text2, std::size_t size2,
                                              const char* text3, std::size_t size3) {
    return Answer([&] {
        return zephyrod::web::CalculateJson(
            Texts(text0, size0, text1, size1, text2, size2, text3, size3));
    });
}

// The sweep as CSV for the fields' texts: a JSON string, or null.
EMSCRIPTEN_KEEPALIVE char* zephyrod_sweep_csv(const char* text0, std::size_t size0,
                                              const char* text1, std::size_t size1,
                                              const char* text2, std::size_t size2,
                                              const char* text3, std::size_t size3) {
    return Answer([&] {
        return zephyrod::web::SweepCsvJson(
            Texts(text0, size0, text1, size1, text2, size2, text3, size3));
    });
}

// A number typed with a comma for the decimal point ("7,07"), as the core
// reads one: the text with a point instead (a JSON string), or null where the
// text is not such a number.
EMSCRIPTEN_KEEPALIVE char* zephyrod_with_decimal_point(const char* text, std::size_t size) {
    return Answer([&] {
        const auto withPoint = zephyrod::WithDecimalPoint(std::string_view(text, size));
        return withPoint ? zephyrod::web::JsonString(*withPoint) : std::string("null");
    });
}

}  // extern "C"
