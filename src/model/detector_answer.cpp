#include "detector_answer.h"

#include <algorithm>
#include <vector>

#include "checked_arithmetic.h"
#include "detector_depth.h"

namespace morvane {
namespace {

// The largest deficit with which a detector at `depth` still responds.
double responseBound(const SoilRecord& soil, const IrrigationValues& values, double depth)
{
    const Extended perDepth = checkedDivide(values.appliedDepth, depth);
    const Extended wetterThanFieldCapacity =
        checkedSubtract(soil.detectionContent, soil.fieldCapacity);
    return storeAsDouble(
        checkedMultiply(checkedSubtract(perDepth, wetterThanFieldCapacity), values.rootZone));
}

double perDay(double deficit, Extended days) { return storeAsDouble(checkedDivide(deficit, days)); }

AllowedRange dailyUse(const AllowedRange& deficit, Extended days)
{
    AllowedRange use;
    use.lower = perDay(deficit.lower, days);
    if (deficit.upper) use.upper = perDay(*deficit.upper, days);
    return use;
}

EstimateVerdict verdict(double estimate, const AllowedRange& range, bool lowerExcluded)
{
    if (estimate < range.lower || (lowerExcluded && estimate == range.lower))
        return EstimateVerdict::tooLow;
    if (range.upper && estimate > *range.upper) return EstimateVerdict::tooHigh;
    return EstimateVerdict::right;
}

void addReading(std::vector<DetectorReading>& readings, const std::optional<FloatPosition>& position,
                const std::optional<std::string>& depthText)
{
    if (position) readings.push_back({detectorDepthFromText(depthText.value()), *position});
}

std::optional<SoilAnswer> answerFor(const SoilResults& soil, const IrrigationValues& values,
                                    const DetectorsShowed& showed)
{
    std::vector<DetectorReading> readings;
    addReading(readings, showed.shallow, soil.shallowDetectorText);
    if (values.rootZone >= kDeepDetectorMinimumRootZone)
        addReading(readings, showed.deep, soil.deepDetectorText);
    return soilAnswer(soil.soil.value(), values, readings);
}

}  // namespace

std::optional<SoilAnswer> soilAnswer(const SoilRecord& soil, const IrrigationValues& values,
                                     std::span<const DetectorReading> readings)
{
    std::optional<double> largestDown, smallestUp;
    for (const DetectorReading& reading : readings) {
        const double bound = responseBound(soil, values, reading.depth);
        if (reading.position == FloatPosition::down)
            largestDown = std::max(largestDown.value_or(bound), bound);
        else
            smallestUp = std::min(smallestUp.value_or(bound), bound);
    }

    AllowedRange deficit;
    deficit.lower = std::max(0.0, largestDown.value_or(0.0));
    deficit.upper = smallestUp;
    // D > b for a DOWN detector with b >= 0 leaves b itself out.
    const bool lowerExcluded = largestDown && *largestDown >= 0;
    if (deficit.upper &&
        (*deficit.upper < deficit.lower || (*deficit.upper == deficit.lower && lowerExcluded)))
        return std::nullopt;

    SoilAnswer answer;
    answer.deficit = deficit;
    if (values.days > 0) answer.cropWaterUse = dailyUse(deficit, values.days);
    answer.estimate = verdict(values.deficit, deficit, lowerExcluded);
    return answer;
}

DetectorAnswer detectorAnswer(const ModelResults& results, const DetectorsShowed& showed)
{
    const IrrigationValues values{results.appliedDepth.value(), results.rootZone.value(),
                                  results.days.value(), results.deficit.value()};
    DetectorAnswer answer;
    answer.estimateText = results.light.deficitText.value();
    answer.light = answerFor(results.light, values, showed);
    answer.heavy = answerFor(results.heavy, values, showed);
    return answer;
}

std::optional<FloatPosition> readFloatPosition(std::string_view word)
{
    if (word == "up") return FloatPosition::up;
    if (word == "down") return FloatPosition::down;
    return std::nullopt;
}

}  // namespace morvane
