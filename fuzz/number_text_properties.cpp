#include "number_text_properties.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "failures.h"
#include "format_number.h"
#include "number_format_settings.h"
#include "parse_number.h"

namespace morvane::fuzz {
namespace {

[[noreturn]] void broken(const char* property, std::string_view text)
{
    std::fprintf(stderr, "property broken: %s\n  text: '%.*s'\n", property,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

// Every text either parses to a finite value or raises EConvertError.
bool tryParse(std::string_view text, Extended& value)
{
    try {
        value = parseNumber(text);
    } catch (const EConvertError& failure) {
        if (failure.message() != "'" + std::string(text) + "' is not a valid floating point value")
            broken("conversion failure names the text", text);
        return false;
    } catch (...) {
        broken("parse raises only EConvertError", text);
    }
    if (isNotANumber(value) || isInfinite(value)) broken("parse gives a finite value", text);
    return true;
}

Extended parseWritten(const std::string& written)
{
    Extended value = 0;
    if (!tryParse(written, value)) broken("parse reads what a format wrote", written);
    return value;
}

// An extended value from ten bytes, always a valid encoding: the integer bit
// is set for normal exponents and the value is scaled with ldexp.
Extended valueFromBytes(const std::uint8_t* bytes)
{
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, sizeof significand);
    const int signAndExponent = bytes[8] | (bytes[9] << 8);
#ifdef MORVANE_SOFTWARE_EXTENDED
    // The same fields; a zero exponent field makes a subnormal.
    const auto field = static_cast<std::uint16_t>(signAndExponent & 0x7FFF);
    if (field != 0) significand |= SoftwareExtended::kLeadingBit;
    else significand &= ~SoftwareExtended::kLeadingBit;
    return SoftwareExtended::fromFields((signAndExponent & 0x8000) != 0, field, significand);
#else
    const int exponent = (signAndExponent & 0x7FFF) - 16383 - 63;
    const Extended magnitude = std::ldexp(static_cast<Extended>(significand | (1ULL << 63)), exponent);
    return (signAndExponent & 0x8000) ? -magnitude : magnitude;
#endif
}

void checkFormats(Extended value, int decimals)
{
    // Beyond about 1e4000 the 18-digit texts may round above the largest
    // extended value; the model never comes near such values.
    if (isNotANumber(value) || isInfinite(value) || magnitude(value) > 1e4000L) return;

    const std::string general = formatGeneral(value);
    const Extended fromGeneral = parseWritten(general);
    if (magnitude(value) > 1e-4900L &&
        magnitude(fromGeneral - value) > magnitude(value) * 1e-14L)
        broken("general format keeps 15 significant digits", general);

    const std::string fixed = formatFixed(value, decimals);
    const Extended fromFixed = parseWritten(fixed);
    // Up to 15 significant digits the fixed text is what its own value writes.
    if (magnitude(value) < 1e13L && formatFixed(fromFixed, decimals) != fixed)
        broken("fixed format of its own parse gives the same text", fixed);

    const std::string percent = formatPercent(value);
    if (percent.back() != '%') broken("percent format ends in %", percent);
    if (parseWritten(percent.substr(0, percent.size() - 1)) != parseWritten(formatFixed(value, 0)))
        broken("percent format is the fixed format with no decimals", percent);
}

}  // namespace

void checkNumberTextProperties(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return;
    numberFormatSettings().decimalSeparator = (data[0] & 1) ? ',' : '.';
    const int decimals = (data[0] / 2) % 3;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    Extended parsed = 0;
    if (tryParse(text, parsed)) checkFormats(parsed, decimals);
    if (size >= 11) checkFormats(valueFromBytes(data + 1), decimals);
}

}  // namespace morvane::fuzz
