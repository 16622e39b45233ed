#include "checked_arithmetic.h"

#include "failures.h"

namespace morvane::checked_detail {

// The operands are always finite (no operation lets an infinity or a
// not-a-number through), so a non-finite result means the operation faulted.
void failOperation(Extended result)
{
    if (isNotANumber(result)) throw EInvalidOp();
    throw EOverflow();
}

void failDivision(Extended dividend, Extended divisor, Extended result)
{
    if (divisor == 0) {
        if (dividend == 0 || isNotANumber(dividend)) throw EInvalidOp();
        throw EZeroDivide();
    }
    failOperation(result);
}

void failStore(Extended value)
{
    if (isNotANumber(value)) throw EInvalidOp();
    throw EOverflow();
}

}  // namespace morvane::checked_detail
