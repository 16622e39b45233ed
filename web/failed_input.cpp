#include "failed_input.h"

#include <utility>

#include "failures.h"
#include "named_inputs.h"
#include "parse_number.h"

namespace morvane::web {

namespace {

// The failure text the page shows for a text that fails to convert, or ""
// when it converts.
std::string conversionFailure(const std::string& text)
{
    try {
        parseNumber(text);
        return {};
    } catch (const Exception& failure) {
        return withClosingPeriod(failure.message());
    }
}

bool isZero(const std::string& text) { return conversionFailure(text).empty() && parseNumber(text) == 0; }

}  // namespace

std::string failedInputName(const ModelInputs& inputs, const std::string& error)
{
    // In the order the model reads them, the first text that fails with the
    // run's message is the one that stopped it.
    for (const NamedInput& input : kNamedInputs)
        if (input.text && conversionFailure(inputs.*input.text) == error) return input.name;

    // Every text converted. A zero root zone divides by zero (or 0 by 0 when
    // the deficit is 0 too); a zero deficit, from no days or no crop water
    // use, leaves no water content difference to divide the applied depth by.
    if (error != withClosingPeriod(EZeroDivide().message()) &&
        error != withClosingPeriod(EInvalidOp().message()))
        return {};
    const std::pair<const char*, const std::string*> zeroOrder[] = {
        {"rootZone", &inputs.rootZone}, {"days", &inputs.days}, {"cwu", &inputs.cropWaterUse}};
    for (const auto& [name, text] : zeroOrder)
        if (isZero(*text)) return name;
    return {};
}

}  // namespace morvane::web
