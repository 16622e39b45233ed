#include "wetting_front_model.h"

#include "checked_arithmetic.h"
#include "detector_depth.h"
#include "extended.h"
#include "format_number.h"
#include "parse_number.h"

namespace morvane {
namespace {

// The values every soil's steps share. A, D and Z are held as doubles;
// U is the extended value the parse rule returned.
struct SharedValues {
    double appliedDepth;
    double deficit;
    double rootZone;
    Extended cropWaterUse;
};

// The label texts of one soil, in the order the soil's steps write them
// (the heavy soil writes its storage text after its detector texts).
struct SoilTexts {
    std::optional<std::string>& totalAvailableWater;
    std::optional<std::string>& availableWater;
    std::optional<std::string>& storage;
    std::optional<std::string>& shallowDetector;
    std::optional<std::string>& deepDetector;
    bool storageAfterDetectors;
};

std::string fixed0(Extended value) { return formatNumber("%.0f", value); }
std::string fixed1(Extended value) { return formatNumber("%.1f", value); }
std::string percent(Extended value) { return formatNumber("%.f%s", value, '%'); }

Extended frontDepth(Extended water, double contentAbove, double initialContent)
{
    return checkedDivide(water, checkedSubtract(contentAbove, initialContent));
}

void computeFrontDepths(const SoilRecord& soil, const SharedValues& shared, SoilDepths& out)
{
    const Extended A = shared.appliedDepth;
    const Extended Z = shared.rootZone;
    const double initial = storeAsDouble(checkedDivide(
        checkedSubtract(checkedMultiply(soil.fieldCapacity, Z), shared.deficit), Z));
    out.initialWaterContent = initial;
    out.upperContentDepth = storeAsDouble(frontDepth(A, soil.upperContent, initial));
    out.maxDetectionDepth = storeAsDouble(frontDepth(A, soil.detectionContent, initial));
    out.front48h = storeAsDouble(frontDepth(A, soil.fieldCapacity, initial));
    const Extended lessOneDay = checkedSubtract(A, shared.cropWaterUse);
    out.front24h = storeAsDouble(frontDepth(lessOneDay, soil.fieldCapacity, initial));
}

// Storage as a percentage of the total available water, both read back from
// their texts as shown.
Extended storagePercentage(const SoilTexts& texts)
{
    const Extended available = parseNumber(*texts.availableWater);
    const Extended total = parseNumber(*texts.totalAvailableWater);
    return checkedMultiply(checkedDivide(available, total), 100);
}

void writeSoilTexts(const SoilRecord& soil, const SharedValues& shared, const SoilTexts& texts)
{
    const Extended availableFraction =
        checkedSubtract(soil.fieldCapacity, soil.wiltingPoint);
    texts.totalAvailableWater = fixed1(checkedMultiply(availableFraction, shared.rootZone));
    texts.availableWater =
        fixed1(checkedSubtract(parseNumber(*texts.totalAvailableWater), shared.deficit));
    if (!texts.storageAfterDetectors) texts.storage = percent(storagePercentage(texts));
    texts.shallowDetector = fixed0(shallowDetectorDepth(shared.rootZone));
    texts.deepDetector = fixed0(deepDetectorDepth(shared.rootZone));
    if (texts.storageAfterDetectors) texts.storage = percent(storagePercentage(texts));
}

}  // namespace

void runWettingFrontModel(const ModelInputs& inputs, ModelResults& results)
{
    ModelTexts& t = results.texts;

    const Extended rate = parseNumber(inputs.appRate);
    const Extended duration = parseNumber(inputs.duration);
    t.AppAmount = fixed0(checkedMultiply(rate, duration));
    const double appliedDepth = storeAsDouble(parseNumber(*t.AppAmount));
    results.appliedDepth = appliedDepth;

    const Extended days = parseNumber(inputs.days);
    const Extended cropWaterUse = parseNumber(inputs.cropWaterUse);
    const double rootZone = storeAsDouble(parseNumber(inputs.rootZone));
    results.rootZone = rootZone;

    const Extended deficitExact = checkedMultiply(days, cropWaterUse);
    t.LtSWD = formatGeneral(deficitExact);
    t.HvSWD = formatGeneral(deficitExact);
    const double deficit = storeAsDouble(deficitExact);
    results.deficit = deficit;

    const SharedValues shared{appliedDepth, deficit, rootZone, cropWaterUse};
    computeFrontDepths(kLightSoil, shared, results.light);
    computeFrontDepths(kHeavySoil, shared, results.heavy);

    const SoilTexts lightTexts{t.LtTAW, t.LtAW, t.LtSTO, t.LtSD, t.LtDD, false};
    const SoilTexts heavyTexts{t.HvTAW, t.HvAW, t.Hv1STO, t.HvSD, t.HvDD, true};
    writeSoilTexts(kLightSoil, shared, lightTexts);
    writeSoilTexts(kHeavySoil, shared, heavyTexts);

    // A storage of exactly 0 is not negative: no warning.
    results.ltStoWarn = storagePercentage(lightTexts) < 0;
    results.HvSTOWarn = storagePercentage(heavyTexts) < 0;
}

}  // namespace morvane
