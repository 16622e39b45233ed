#include "parse_number.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "failures.h"
#include "number_format_settings.h"
#include "power_of_ten.h"

namespace morvane {
namespace {

// Exponent digits stop being read once the exponent reaches this; any digit
// left over then makes the text invalid.
constexpr int kExponentReadLimit = 500;
// Scaling saturates beyond this many powers of ten in either direction.
constexpr long long kScaleClamp = 5120;

[[noreturn]] void rejectText(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

class TextReader {
public:
    explicit TextReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ == text_.size(); }
    bool nextIs(char c) const { return !atEnd() && text_[position_] == c; }
    bool nextIsDigit() const
    {
        return !atEnd() && text_[position_] >= '0' && text_[position_] <= '9';
    }
    int takeDigit() { return text_[position_++] - '0'; }
    bool skipIf(char c)
    {
        if (!nextIs(c)) return false;
        ++position_;
        return true;
    }
    void skipBlanks()
    {
        while (skipIf(' ')) {}
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Reads an optional "+" or "-"; true when it was "-".
bool readSign(TextReader& reader)
{
    if (reader.skipIf('-')) return true;
    reader.skipIf('+');
    return false;
}

// The mantissa digits as accumulator = accumulator x 10 + digit, two
// extended operations per digit, each rounded to nearest: beyond 2^64 the
// result differs from a single rounding of accumulator x 10 + digit. Below
// 2^64 every step is exact, so the digits are gathered in a 64-bit integer
// while they fit and handed to the extended arithmetic only after that:
// the same value, without two extended operations per digit of every text.
class MantissaAccumulator {
public:
    void add(int digit)
    {
        if (!inExtended_ && whole_ <= (UINT64_MAX - 9) / 10) [[likely]] {
            whole_ = whole_ * 10 + static_cast<std::uint64_t>(digit);
            return;
        }
        addInExtended(digit);
    }
    Extended value() const { return inExtended_ ? extended_ : Extended(whole_); }

private:
    // Kept out of line, so that the digit loop stays small enough to inline.
    [[gnu::noinline]] void addInExtended(int digit)
    {
        if (!inExtended_) {
            extended_ = Extended(whole_);
            inExtended_ = true;
        }
        extended_ *= 10;
        extended_ += digit;
    }

    std::uint64_t whole_ = 0;
    Extended extended_ = 0;
    bool inExtended_ = false;
};

}  // namespace

Extended parseNumber(std::string_view text)
{
    const char separator = numberFormatSettings().decimalSeparator;
    TextReader reader(text);

    reader.skipBlanks();
    const bool negative = readSign(reader);

    MantissaAccumulator mantissa;
    bool consumedMantissa = false;
    while (reader.nextIsDigit()) {
        mantissa.add(reader.takeDigit());
        consumedMantissa = true;
    }
    long long fractionDigits = 0;
    if (reader.skipIf(separator)) {
        consumedMantissa = true;
        while (reader.nextIsDigit()) {
            mantissa.add(reader.takeDigit());
            ++fractionDigits;
        }
    }
    if (!consumedMantissa) rejectText(text);

    int exponent = 0;
    bool negativeExponent = false;
    if (reader.skipIf('E') || reader.skipIf('e')) {
        negativeExponent = readSign(reader);
        while (exponent < kExponentReadLimit && reader.nextIsDigit())
            exponent = exponent * 10 + reader.takeDigit();
    }

    reader.skipBlanks();
    if (!reader.atEnd()) rejectText(text);
    // Too many digits for the extended range: the text is not a number.
    const Extended accumulator = mantissa.value();
    if (isInfinite(accumulator)) rejectText(text);

    const long long scale =
        std::clamp((negativeExponent ? -exponent : exponent) - fractionDigits,
                   -kScaleClamp, kScaleClamp);
    Extended value = scaleByPowerOfTen(accumulator, static_cast<int>(scale));
    if (isInfinite(value)) rejectText(text);
    return negative ? -value : value;
}

}  // namespace morvane
