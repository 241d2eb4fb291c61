// std::bit_cast for the web build: Emscripten's C++ library lacks it, and its
// compiler offers the same operation as a built-in. Included ahead of every
// source of the web build (cmake/emscripten.cmake).
#pragma once

#include <bit>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
