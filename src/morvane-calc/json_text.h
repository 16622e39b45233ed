#pragma once
// JSON spellings of strings and numbers.

#include <string>
#include <string_view>

namespace morvane::calc {

// A quoted JSON string. Quotes, backslashes and control characters are
// escaped; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);
void appendJsonString(std::string& out, std::string_view text);

// A JSON number with 17 significant digits ("0.090000000000000011").
std::string jsonNumber(double value);
void appendJsonNumber(std::string& out, double value);

}  // namespace morvane::calc
