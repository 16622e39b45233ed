#pragma once
// Emscripten 3.1.6 (Debian 12) ships libc++ 13, which lacks two C++20 pieces
// the model and morvane-calc's reports use: std::bit_cast and to_chars for a
// double. This header, included ahead of every source of the web build,
// supplies them there; with a newer library it adds nothing.

#include <bit>
#include <charconv>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
#include <cstdio>
#include <type_traits>

namespace std {

template <class To, class From>
    requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
             is_trivially_copyable_v<From>)
constexpr To bit_cast(const From& from) noexcept
{
    return __builtin_bit_cast(To, from);
}

// Only the general format, the one the reports use: printf's "%.*g", which
// writes the same digits (the web build has no locale to change its point).
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision)
{
    if (format != chars_format::general) return {last, errc::not_supported};
    const int length = std::snprintf(first, static_cast<size_t>(last - first), "%.*g", precision, value);
    if (length < 0 || length >= last - first) return {last, errc::value_too_large};
    return {first + length, errc{}};
}

}  // namespace std
#endif
