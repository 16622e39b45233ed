#include "format_number.h"

#include <algorithm>
#include <charconv>

#include "decimal_digits.h"
#include "failures.h"
#include "number_format_settings.h"

namespace morvane {
namespace {

constexpr int kGeneralPrecision = 15;
constexpr int kUnlimitedDecimals = 9999;
constexpr int kDefaultFormatDecimals = 2;

char decimalSeparator() { return numberFormatSettings().decimalSeparator; }

// The text of one formatted value, written into a fixed buffer: no format
// writes more than a sign, 18 digits before and 18 after the separator, or
// a scientific form of 18 digits with its exponent.
class NumberText {
public:
    void put(char c) { text_[size_++] = c; }
    void put(std::string_view part)
    {
        part.copy(text_ + size_, part.size());
        size_ += part.size();
    }
    void fill(std::size_t count, char c)
    {
        std::fill_n(text_ + size_, count, c);
        size_ += count;
    }
    std::string_view view() const { return {text_, size_}; }

private:
    char text_[64];
    std::size_t size_ = 0;
};

// Writes "INF", "-INF" or "NAN" and returns true for those values.
bool writeSpecial(const DecimalDigits& d, NumberText& out)
{
    if (d.exponent == kNotANumberExponent) {
        out.put("NAN");
        return true;
    }
    if (d.exponent == kInfinityExponent) {
        out.put(d.negative ? "-INF" : "INF");
        return true;
    }
    return false;
}

void writeExponent(int exponent, NumberText& out)
{
    char digits[8];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, exponent);
    out.put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void writeGeneral(Extended value, int precision, NumberText& out)
{
    const DecimalDigits d = toDecimalDigits(value, precision, kUnlimitedDecimals);
    if (writeSpecial(d, out)) return;
    if (d.negative) out.put('-');

    const std::string_view digits = d.text();
    const int exponent = d.exponent;
    if (digits.empty()) {
        out.put('0');
    } else if (exponent > precision || exponent < -3) {
        out.put(digits[0]);
        if (digits.size() > 1) {
            out.put(decimalSeparator());
            out.put(digits.substr(1));
        }
        out.put('E');
        writeExponent(exponent - 1, out);
    } else if (exponent > 0) {
        const auto whole = static_cast<std::size_t>(exponent);
        out.put(digits.substr(0, whole));
        if (digits.size() < whole) out.fill(whole - digits.size(), '0');
        if (digits.size() > whole) {
            out.put(decimalSeparator());
            out.put(digits.substr(whole));
        }
    } else {
        out.put('0');
        out.put(decimalSeparator());
        out.fill(static_cast<std::size_t>(-exponent), '0');
        out.put(digits);
    }
}

void writeFixed(Extended value, int decimals, NumberText& out)
{
    decimals = decimals < 0 ? 0 : (decimals > kMaxDecimalDigits ? kMaxDecimalDigits : decimals);
    const DecimalDigits d = toDecimalDigits(value, kMaxDecimalDigits, decimals);
    if (writeSpecial(d, out)) return;
    if (d.exponent > kMaxDecimalDigits) {
        writeGeneral(value, kMaxDecimalDigits, out);
        return;
    }
    if (d.negative) out.put('-');

    const std::string_view digits = d.text();
    std::size_t used = 0;
    if (d.exponent <= 0) {
        out.put('0');
    } else {
        const auto whole = static_cast<std::size_t>(d.exponent);
        used = std::min(whole, digits.size());
        out.put(digits.substr(0, used));
        out.fill(whole - used, '0');
    }
    if (decimals > 0) {
        out.put(decimalSeparator());
        // Zeros between the point and the first digit, the digits left, then
        // zeros up to the number of decimals.
        std::size_t written = 0;
        if (d.exponent < 0 && !digits.empty()) {
            written = std::min(static_cast<std::size_t>(-d.exponent),
                               static_cast<std::size_t>(decimals));
            out.fill(written, '0');
        }
        const std::string_view rest =
            digits.substr(used, static_cast<std::size_t>(decimals) - written);
        out.put(rest);
        out.fill(static_cast<std::size_t>(decimals) - written - rest.size(), '0');
    }
}

}  // namespace

std::string formatGeneral(Extended value)
{
    NumberText out;
    writeGeneral(value, kGeneralPrecision, out);
    return std::string(out.view());
}

std::string formatFixed(Extended value, int decimals)
{
    NumberText out;
    writeFixed(value, decimals, out);
    return std::string(out.view());
}

std::string formatPercent(Extended value) { return formatNumber("%.f%s", value, '%'); }

namespace {

[[noreturn]] void rejectFormat(std::string_view format)
{
    throw EConvertError("Format '" + std::string(format) +
                        "' invalid or incompatible with argument");
}

// "%.<digits>f" alone, or followed by "%s": the model's three formats.
// Their decimals, or -1 for any other format.
int fixedDirectiveDecimals(std::string_view format, bool withCharacter)
{
    if (withCharacter) {
        if (!format.ends_with("%s")) return -1;
        format.remove_suffix(2);
    }
    if (format.size() < 3 || format.size() > 4 || !format.starts_with("%.") ||
        format.back() != 'f')
        return -1;
    if (format.size() == 3) return 0;
    const char digit = format[2];
    return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

// `character` is the "%s" argument, or none when nullptr.
std::string applyFormat(std::string_view format, Extended value, const char* character)
{
    // The common case written straight into the result's own text.
    if (const int decimals = fixedDirectiveDecimals(format, character != nullptr);
        decimals >= 0) {
        NumberText fixed;
        writeFixed(value, decimals, fixed);
        if (character) fixed.put(*character);
        return std::string(fixed.view());
    }
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
            NumberText fixed;
            writeFixed(value, decimals, fixed);
            out += fixed.view();
            valueUsed = true;
        } else if ((letter == 's' || letter == 'S') && valueUsed && character) {
            out += *character;
            character = nullptr;
        } else {
            rejectFormat(format);
        }
    }
    return out;
}

}  // namespace

std::string formatNumber(std::string_view format, Extended value)
{
    return applyFormat(format, value, nullptr);
}

std::string formatNumber(std::string_view format, Extended value, char character)
{
    return applyFormat(format, value, &character);
}

}  // namespace morvane
