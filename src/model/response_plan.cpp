#include "response_plan.h"

#include "checked_arithmetic.h"
#include "detector_depth.h"
#include "format_number.h"

namespace morvane {
namespace {

// depth × (content − initial content), or 0 when the soil already holds that
// content down to the depth.
double waterToReach(double depth, double content, double initialContent)
{
    const Extended water = checkedMultiply(depth, checkedSubtract(content, initialContent));
    return water > 0 ? storeAsDouble(water) : 0.0;
}

std::optional<double> runTime(double appliedDepth, Extended rate)
{
    if (!(rate > 0)) return std::nullopt;
    return storeAsDouble(checkedDivide(appliedDepth, rate));
}

DetectorResponse detectorResponse(const std::optional<std::string>& detectorText,
                                  const SoilRecord& soil, double initialContent, Extended rate)
{
    DetectorResponse response{};
    response.detectorDepth = detectorDepthFromText(detectorText.value());
    response.appliedDepth = waterToReach(response.detectorDepth, soil.detectionContent, initialContent);
    response.hours = runTime(response.appliedDepth, rate);
    return response;
}

SoilPlan soilPlan(const SoilResults& soil, double rootZone, Extended rate)
{
    const SoilRecord& record = soil.soil.value();
    const double initial = soil.initialWaterContent.value();
    SoilPlan plan{};
    plan.shallow = detectorResponse(soil.shallowDetectorText, record, initial, rate);
    if (rootZone >= kDeepDetectorMinimumRootZone)
        plan.deep = detectorResponse(soil.deepDetectorText, record, initial, rate);
    plan.rootZone.rootZone = rootZone;
    plan.rootZone.appliedDepth = waterToReach(rootZone, record.fieldCapacity, initial);
    plan.rootZone.hours = runTime(plan.rootZone.appliedDepth, rate);
    return plan;
}

}  // namespace

ResponsePlan responsePlan(const ModelResults& results)
{
    const Extended rate = results.appRate.value();
    const double rootZone = results.rootZone.value();
    ResponsePlan plan;
    plan.rateText = formatGeneral(rate);
    plan.light = soilPlan(results.light, rootZone, rate);
    plan.heavy = soilPlan(results.heavy, rootZone, rate);
    return plan;
}

}  // namespace morvane
