#include "format_number.h"

#include <algorithm>
#include <optional>

#include "decimal_digits.h"
#include "failures.h"
#include "number_format_settings.h"

namespace morvane {
namespace {

constexpr int kGeneralPrecision = 15;
constexpr int kUnlimitedDecimals = 9999;
constexpr int kDefaultFormatDecimals = 2;

char decimalSeparator() { return numberFormatSettings().decimalSeparator; }

// Writes "INF", "-INF" or "NAN" and returns true for those values.
bool appendSpecial(const DecimalDigits& d, std::string& out)
{
    if (d.exponent == kNotANumberExponent) {
        out += "NAN";
        return true;
    }
    if (d.exponent == kInfinityExponent) {
        out += d.negative ? "-INF" : "INF";
        return true;
    }
    return false;
}

std::string generalWithPrecision(Extended value, int precision)
{
    const DecimalDigits d = toDecimalDigits(value, precision, kUnlimitedDecimals);
    std::string out;
    if (appendSpecial(d, out)) return out;
    if (d.negative) out += '-';

    const std::string_view digits = d.text();
    const int exponent = d.exponent;
    if (digits.empty()) {
        out += '0';
    } else if (exponent > precision || exponent < -3) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator();
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent - 1);
    } else if (exponent > 0) {
        const auto whole = static_cast<std::size_t>(exponent);
        out += digits.substr(0, whole);
        if (digits.size() < whole) out.append(whole - digits.size(), '0');
        if (digits.size() > whole) {
            out += decimalSeparator();
            out += digits.substr(whole);
        }
    } else {
        out += '0';
        out += decimalSeparator();
        out.append(static_cast<std::size_t>(-exponent), '0');
        out += digits;
    }
    return out;
}

}  // namespace

std::string formatGeneral(Extended value)
{
    return generalWithPrecision(value, kGeneralPrecision);
}

std::string formatFixed(Extended value, int decimals)
{
    decimals = decimals < 0 ? 0 : (decimals > kMaxDecimalDigits ? kMaxDecimalDigits : decimals);
    const DecimalDigits d = toDecimalDigits(value, kMaxDecimalDigits, decimals);
    std::string out;
    if (appendSpecial(d, out)) return out;
    if (d.exponent > kMaxDecimalDigits) return generalWithPrecision(value, kMaxDecimalDigits);
    if (d.negative) out += '-';

    const std::string_view digits = d.text();
    std::size_t used = 0;
    if (d.exponent <= 0) {
        out += '0';
    } else {
        const auto whole = static_cast<std::size_t>(d.exponent);
        used = std::min(whole, digits.size());
        out += digits.substr(0, used);
        out.append(whole - used, '0');
    }
    if (decimals > 0) {
        out += decimalSeparator();
        std::string fraction;
        if (d.exponent < 0 && !digits.empty()) fraction.append(static_cast<std::size_t>(-d.exponent), '0');
        fraction += digits.substr(used);
        fraction.resize(static_cast<std::size_t>(decimals), '0');
        out += fraction;
    }
    return out;
}

std::string formatPercent(Extended value) { return formatNumber("%.f%s", value, '%'); }

namespace {

[[noreturn]] void rejectFormat(std::string_view format)
{
    throw EConvertError("Format '" + std::string(format) +
                        "' invalid or incompatible with argument");
}

std::string applyFormat(std::string_view format, Extended value, std::optional<char> character)
{
    std::string out;
    bool valueUsed = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (++i == format.size()) rejectFormat(format);
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        int decimals = kDefaultFormatDecimals;
        if (format[i] == '.') {
            decimals = 0;
            while (++i < format.size() && format[i] >= '0' && format[i] <= '9')
                decimals = std::min(decimals * 10 + (format[i] - '0'), kMaxDecimalDigits + 1);
            if (decimals > kMaxDecimalDigits) decimals = kDefaultFormatDecimals;
            if (i == format.size()) rejectFormat(format);
        }
        const char letter = format[i];
        if ((letter == 'f' || letter == 'F') && !valueUsed) {
            out += formatFixed(value, decimals);
            valueUsed = true;
        } else if ((letter == 's' || letter == 'S') && valueUsed && character) {
            out += *character;
            character.reset();
        } else {
            rejectFormat(format);
        }
    }
    return out;
}

}  // namespace

std::string formatNumber(std::string_view format, Extended value)
{
    return applyFormat(format, value, std::nullopt);
}

std::string formatNumber(std::string_view format, Extended value, char character)
{
    return applyFormat(format, value, character);
}

}  // namespace morvane
