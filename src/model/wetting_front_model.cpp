#include "wetting_front_model.h"

#include "checked_arithmetic.h"
#include "detector_depth.h"
#include "extended.h"
#include "format_number.h"
#include "number_text_localisation.h"
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

// The heavy soil writes its storage text after its detector texts.
enum class StorageStep { beforeDetectors, afterDetectors };

std::string fixed0(Extended value) { return formatNumber("%.0f", value); }
std::string fixed1(Extended value) { return formatNumber("%.1f", value); }
std::string percent(Extended value) { return formatNumber("%.f%s", value, '%'); }

Extended frontDepth(Extended water, double contentAbove, double initialContent)
{
    return checkedDivide(water, checkedSubtract(contentAbove, initialContent));
}

void computeFrontDepths(const SoilRecord& soil, const SharedValues& shared, SoilResults& out)
{
    out.soil = soil;
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
Extended storagePercentage(const SoilResults& soil)
{
    const Extended available = parseNumber(*soil.availableWaterText);
    const Extended total = parseNumber(*soil.totalAvailableWaterText);
    return checkedMultiply(checkedDivide(available, total), 100);
}

void writeSoilTexts(const SoilRecord& soil, const SharedValues& shared, StorageStep storageStep,
                    SoilResults& out)
{
    const Extended availableFraction =
        checkedSubtract(soil.fieldCapacity, soil.wiltingPoint);
    out.totalAvailableWaterText = fixed1(checkedMultiply(availableFraction, shared.rootZone));
    out.availableWaterText =
        fixed1(checkedSubtract(parseNumber(*out.totalAvailableWaterText), shared.deficit));
    if (storageStep == StorageStep::beforeDetectors) out.storageText = percent(storagePercentage(out));
    out.shallowDetectorText = fixed0(shallowDetectorDepth(shared.rootZone));
    out.deepDetectorText = fixed0(deepDetectorDepth(shared.rootZone));
    if (storageStep == StorageStep::afterDetectors) out.storageText = percent(storagePercentage(out));
}

}  // namespace

ModelInputs localisedDefaultInputs()
{
    ModelInputs inputs;
    for (std::string* text : {&inputs.appRate, &inputs.duration, &inputs.days,
                              &inputs.cropWaterUse, &inputs.rootZone})
        *text = localisedNumberText(*text);
    return inputs;
}

void runWettingFrontModel(const ModelInputs& inputs, ModelResults& results)
{
    const Extended rate = parseNumber(inputs.appRate);
    results.appRate = rate;
    const Extended duration = parseNumber(inputs.duration);
    results.appliedDepthText = fixed0(checkedMultiply(rate, duration));
    const double appliedDepth = storeAsDouble(parseNumber(*results.appliedDepthText));
    results.appliedDepth = appliedDepth;

    const Extended days = parseNumber(inputs.days);
    results.days = days;
    const Extended cropWaterUse = parseNumber(inputs.cropWaterUse);
    const double rootZone = storeAsDouble(parseNumber(inputs.rootZone));
    results.rootZone = rootZone;

    const Extended deficitExact = checkedMultiply(days, cropWaterUse);
    results.light.deficitText = formatGeneral(deficitExact);
    results.heavy.deficitText = formatGeneral(deficitExact);
    const double deficit = storeAsDouble(deficitExact);
    results.deficit = deficit;

    const SharedValues shared{appliedDepth, deficit, rootZone, cropWaterUse};
    const SoilSlots& soils = inputs.soils;
    computeFrontDepths(soils.light, shared, results.light);
    computeFrontDepths(soils.heavy, shared, results.heavy);

    writeSoilTexts(soils.light, shared, StorageStep::beforeDetectors, results.light);
    writeSoilTexts(soils.heavy, shared, StorageStep::afterDetectors, results.heavy);

    // A storage of exactly 0 is not negative: no warning.
    results.light.storageWarning = storagePercentage(results.light) < 0;
    results.heavy.storageWarning = storagePercentage(results.heavy) < 0;
}

}  // namespace morvane
