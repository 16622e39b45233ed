#pragma once
// Extended values: the 80-bit x87 format with a 64-bit significand. Every
// intermediate of the number conversions and of the model is one of these;
// plain double arithmetic rounds differently and changes the result texts.

#include <limits>

namespace morvane {

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Morvane needs long double to be the 80-bit x87 extended format "
              "(64-bit significand): build it with gcc or clang on x86-64 Linux");

}  // namespace morvane
