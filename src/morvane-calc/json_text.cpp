#include "json_text.h"

#include <charconv>
#include <cstdio>

#include "text_encoding.h"

namespace morvane::calc {

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
            ++i;
        } else if (const std::size_t length = utf8SequenceLength(text, i); length > 0) {
            out += text.substr(i, length);
            i += length;
        } else {
            out += "\\ufffd";
            ++i;
        }
    }
    out += '"';
}

std::string jsonString(std::string_view text)
{
    std::string out;
    appendJsonString(out, text);
    return out;
}

void appendJsonNumber(std::string& out, double value)
{
    // The same digits as printf's "%.17g", without its locale and its cost.
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17).ptr;
    out.append(buffer, end);
}

std::string jsonNumber(double value)
{
    std::string out;
    appendJsonNumber(out, value);
    return out;
}

}  // namespace morvane::calc
