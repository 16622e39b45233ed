#include "detector_answer_sentences.h"

#include "format_number.h"

namespace morvane {
namespace {

std::string oneDecimal(double value) { return formatFixed(value, 1); }

// "between 17.3 and 55.8 mm", "at most 17.3 mm" or "at least 55.8 mm".
std::string rangeText(const AllowedRange& range, std::string_view unit)
{
    const std::string units = " " + std::string(unit);
    if (!range.upper) return "at least " + oneDecimal(range.lower) + units;
    if (range.lower == 0) return "at most " + oneDecimal(*range.upper) + units;
    return "between " + oneDecimal(range.lower) + " and " + oneDecimal(*range.upper) + units;
}

// The daily use reads "3.5 to 11.2 mm a day" rather than "between ... and ...".
std::string dailyUseText(const AllowedRange& range)
{
    if (!range.upper || range.lower == 0) return rangeText(range, "mm a day");
    return oneDecimal(range.lower) + " to " + oneDecimal(*range.upper) + " mm a day";
}

const char* verdictWords(EstimateVerdict verdict)
{
    switch (verdict) {
    case EstimateVerdict::tooLow: return ", less than that";
    case EstimateVerdict::tooHigh: return ", more than that";
    case EstimateVerdict::right: break;
    }
    return "";
}

}  // namespace

std::string detectorAnswerSentence(const std::optional<SoilAnswer>& answer,
                                   std::string_view estimateText)
{
    if (!answer)
        return "What your detectors showed contradicts the model: no deficit before this "
               "irrigation gives that answer. A detector may be faulty or badly installed.";
    std::string text = "Your detectors say the deficit before this irrigation was " +
                       rangeText(answer->deficit, "mm") + " (you estimated " +
                       std::string(estimateText) + " mm" + verdictWords(answer->estimate) + ")";
    if (answer->cropWaterUse) text += ": the crop used " + dailyUseText(*answer->cropWaterUse);
    return text + ".";
}

}  // namespace morvane
