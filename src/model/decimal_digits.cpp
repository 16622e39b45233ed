#include "decimal_digits.h"

#include <algorithm>
#include <cstdint>

#include "power_of_ten.h"

namespace morvane {
namespace {

constexpr std::uint64_t kTenTo9 = 1000000000ULL;
constexpr std::uint64_t kTenTo17 = 100000000000000000ULL;
constexpr std::uint64_t kTenTo18 = 1000000000000000000ULL;

// Number of decimal digits before the point of a value whose binary exponent
// is binaryExponent; may be one too low (fixed by the caller) or one too high.
int estimateDecimalExponent(int binaryExponent)
{
    return ((binaryExponent * 19728) >> 16) + 1;
}

inline std::uint64_t roundedScaled(Extended magnitude, int decimalExponent)
{
    // The scaled value is below 10^19, so it fits an unsigned 64-bit integer.
    // Rounded to nearest, ties to even.
    const Extended scaled = scaleByPowerOfTen(magnitude, kMaxDecimalDigits - decimalExponent);
    return roundToUnsigned(scaled);
}

// The 18 significant digits of a normal, non-zero magnitude as an integer
// in [10^17, 10^18), and the decimal exponent that goes with it.
std::uint64_t workingDigits(Extended magnitude, int magnitudeBinaryExponent, int& decimalExponent)
{
    decimalExponent = estimateDecimalExponent(magnitudeBinaryExponent);
    std::uint64_t working = roundedScaled(magnitude, decimalExponent);
    if (working < kTenTo17) {
        // The estimate was one too high: rescale so the first digit is not 0.
        --decimalExponent;
        working = roundedScaled(magnitude, decimalExponent);
    }
    if (working >= kTenTo18) {
        working = roundToUnsigned(static_cast<Extended>(working) / 10);
        ++decimalExponent;
    }
    return working;
}

// "00" to "99".
constexpr char kDigitPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// The nine digits of a value below 10^9, by multiplications only: t holds
// value / 10^8 as a fixed-point number with 57 fraction bits, and each
// multiplication of its fraction by 100 moves the next two digits above the
// point. The constant 2^57 / 10^8, rounded up, keeps every digit exact for
// every value below 10^9 (checked against division for all of them).
void writeNineDigits(char* out, std::uint32_t value)
{
    constexpr std::uint64_t kFraction = (std::uint64_t{1} << 57) - 1;
    std::uint64_t t = std::uint64_t{value} * 1441151881u;
    out[0] = static_cast<char>('0' + (t >> 57));
    for (int i = 1; i < 9; i += 2) {
        t = (t & kFraction) * 100;
        const auto pair = static_cast<std::size_t>(t >> 57);
        out[i] = kDigitPairs[2 * pair];
        out[i + 1] = kDigitPairs[2 * pair + 1];
    }
}

// Rounds the digits half away from zero, keeping `keep` of them (keep < 18).
// Returns how many digits remain; a carry out of the first digit leaves "1"
// and raises the exponent.
int roundDigitsAt(char (&digits)[kMaxDecimalDigits], int keep, int& exponent)
{
    if (digits[keep] < '5') return keep;
    int position = keep - 1;
    while (position >= 0 && digits[position] == '9') --position;
    if (position < 0) {
        digits[0] = '1';
        ++exponent;
        return 1;
    }
    ++digits[position];
    return position + 1;
}

}  // namespace

DecimalDigits toDecimalDigits(Extended value, int precision, int decimals)
{
    DecimalDigits result;
    // The exponent field alone sorts out the values without digits: on the
    // x87 unit this integer read of the value is much cheaper than comparing
    // it with 80-bit constants.
    const int valueBinaryExponent = binaryExponent(value);
    if (valueBinaryExponent == kZeroOrSubnormalBinaryExponent) return result;
    if (valueBinaryExponent == kInfiniteOrNotANumberBinaryExponent) {
        if (isNotANumber(value)) {
            result.exponent = kNotANumberExponent;
        } else {
            result.exponent = kInfinityExponent;
            result.negative = value < 0;
        }
        return result;
    }

    int exponent = 0;
    const std::uint64_t working = workingDigits(magnitude(value), valueBinaryExponent, exponent);
    const long long wanted = static_cast<long long>(exponent) + decimals;
    if (wanted < 0) return result;
    const int keep = static_cast<int>(std::min<long long>(wanted, precision));

    // Two independent 9-digit halves in 32-bit arithmetic: much faster than
    // eighteen 64-bit divisions in a row. Rounding reads the digits up to
    // position `keep`, so the second half is written only when it gets there
    // (most results of the model have fewer than nine digits).
    writeNineDigits(result.digits, static_cast<std::uint32_t>(working / kTenTo9));
    if (keep >= 9)
        writeNineDigits(result.digits + 9, static_cast<std::uint32_t>(working % kTenTo9));
    int count = keep >= kMaxDecimalDigits ? kMaxDecimalDigits
                                           : roundDigitsAt(result.digits, keep, exponent);
    while (count > 0 && result.digits[count - 1] == '0') --count;

    result.exponent = static_cast<std::int16_t>(exponent);
    result.digitCount = count;
    result.negative = count > 0 && value < 0;
    return result;
}

}  // namespace morvane
