#pragma once
// Walking UTF-8 text one character at a time.

#include <cstddef>
#include <string_view>

namespace morvane {

// The length of the valid UTF-8 sequence starting at text[i], or 0 when the
// bytes there are not one (a stray continuation byte, an overlong form, a
// surrogate, a sequence cut off by the end of the text).
//   "a" -> 1   "\xd9\xab" (U+066B) -> 2   "\xff" -> 0   "\xed\xa0\x80" -> 0
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

// The code point of the valid sequence of `length` bytes starting at text[i].
char32_t utf8CodePoint(std::string_view text, std::size_t i, std::size_t length);

// Whether all of `text` is valid UTF-8.
bool isUtf8(std::string_view text);

}  // namespace morvane
