#include "plan_sentences.h"

#include "checked_arithmetic.h"
#include "format_number.h"

namespace morvane {
namespace {

// Absorbs the binary error of times that are exact whole minutes in decimal.
constexpr double kMinuteTolerance = 1e-6;

Extended roundUp(Extended value)
{
    const Extended nearest = roundToIntegral(value);
    return nearest < value ? checkedAdd(nearest, 1) : nearest;
}

Extended roundDown(Extended value)
{
    const Extended nearest = roundToIntegral(value);
    return nearest > value ? checkedSubtract(nearest, 1) : nearest;
}

std::string millimetres(double depth) { return formatFixed(depth, 1) + " mm"; }
std::string depthInBrackets(double depth) { return "(" + formatGeneral(depth) + " mm)"; }

// Builds the sentences, naming the rate after the first run time.
class PlanWriter {
public:
    explicit PlanWriter(std::string_view rateText) : rateText_(rateText) {}

    void shallow(const DetectorResponse& response)
    {
        text_ += "Shallow detector " + depthInBrackets(response.detectorDepth);
        if (response.appliedDepth == 0) {
            text_ += " responds with any irrigation.";
            return;
        }
        text_ += " responds once " + millimetres(response.appliedDepth) + " is applied";
        time(": ", response.hours);
        text_ += '.';
    }

    void deep(const DetectorResponse& response)
    {
        text_ += " Deep detector " + depthInBrackets(response.detectorDepth) + ": ";
        if (response.appliedDepth == 0) {
            text_ += "any irrigation.";
            return;
        }
        text_ += millimetres(response.appliedDepth);
        time(", ", response.hours);
        text_ += '.';
    }

    void rootZone(const RootZoneWetting& wetting)
    {
        text_ += " The whole root zone " + depthInBrackets(wetting.rootZone) + " is wetted by ";
        if (wetting.appliedDepth == 0) {
            text_ += "any irrigation.";
            return;
        }
        text_ += millimetres(wetting.appliedDepth);
        time(": ", wetting.hours);
        text_ += '.';
    }

    std::string finish()
    {
        if (timeMissing_) text_ += " No run time at " + rateInUnits() + ".";
        return std::move(text_);
    }

private:
    void time(const char* separator, const std::optional<double>& hours)
    {
        if (!hours) {
            timeMissing_ = true;
            return;
        }
        text_ += separator + runTimeText(*hours);
        if (!rateNamed_) text_ += " at " + rateInUnits();
        rateNamed_ = true;
    }

    std::string rateInUnits() const { return std::string(rateText_) + " mm/h"; }

    std::string_view rateText_;
    std::string text_;
    bool rateNamed_ = false;
    bool timeMissing_ = false;
};

}  // namespace

std::string runTimeText(double hours)
{
    const Extended minutes = checkedMultiply(hours, 60);
    Extended whole = roundUp(checkedSubtract(minutes, kMinuteTolerance));
    if (whole < 1 && hours > 0) whole = 1;
    const Extended wholeHours = roundDown(checkedDivide(whole, 60));
    const Extended restMinutes = checkedSubtract(whole, checkedMultiply(wholeHours, 60));
    if (wholeHours == 0) return formatFixed(restMinutes, 0) + " min";
    std::string text = formatFixed(wholeHours, 0) + " h";
    if (restMinutes != 0) text += " " + formatFixed(restMinutes, 0) + " min";
    return text;
}

std::string planSentences(const SoilPlan& soil, std::string_view rateText)
{
    PlanWriter writer(rateText);
    writer.shallow(soil.shallow);
    if (soil.deep) writer.deep(*soil.deep);
    writer.rootZone(soil.rootZone);
    return writer.finish();
}

}  // namespace morvane
