#include "checked_arithmetic.h"

#include "failures.h"

namespace morvane {
namespace {

// The operands are always finite (no operation lets an infinity or a
// not-a-number through), so a non-finite result means the operation faulted.
Extended checkedResult(Extended result)
{
    if (isNotANumber(result)) throw EInvalidOp();
    if (isInfinite(result)) throw EOverflow();
    return result;
}

}  // namespace

Extended checkedAdd(Extended a, Extended b) { return checkedResult(a + b); }

Extended checkedSubtract(Extended a, Extended b) { return checkedResult(a - b); }

Extended checkedMultiply(Extended a, Extended b) { return checkedResult(a * b); }

Extended checkedDivide(Extended dividend, Extended divisor)
{
    if (divisor == 0) {
        if (dividend == 0 || isNotANumber(dividend)) throw EInvalidOp();
        throw EZeroDivide();
    }
    return checkedResult(dividend / divisor);
}

double storeAsDouble(Extended value)
{
    if (isNotANumber(value)) throw EInvalidOp();
    const double stored = static_cast<double>(value);
    if (std::isinf(stored)) throw EOverflow();
    return stored;
}

}  // namespace morvane
