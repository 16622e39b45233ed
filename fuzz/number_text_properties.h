#pragma once
// Properties of the parse rule and the formats, checked on one input of
// arbitrary bytes; a broken property aborts with a message on stderr.
//
// Byte 0 chooses the decimal separator (odd: ",", even: ".") and the number
// of decimals for the fixed format ((byte / 2) % 3). The rest is a text for
// the parse rule, and its first ten bytes also make an extended value for
// the formats (eight significand bytes, two sign-and-exponent bytes).

#include <cstddef>
#include <cstdint>

namespace morvane::fuzz {

void checkNumberTextProperties(const std::uint8_t* data, std::size_t size);

}  // namespace morvane::fuzz
