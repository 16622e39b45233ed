#pragma once
// The wetting front model: turns the five input texts into every result of
// one run, for the light and the heavy soil.
//
// Several results are formatted into texts and parsed back before they are
// used further, so the display rounding is part of the arithmetic.
//
// A run writes into a ModelResults object step by step. When a step fails
// (a text that is not a number, a zero divisor) the failure propagates and
// everything written before it stays; everything else keeps the value it
// had before the run. The window mirrors the results object into its labels.

#include <optional>
#include <string>

#include "extended.h"

namespace morvane {

// The four volumetric water contents of one soil.
struct SoilRecord {
    double fieldCapacity;
    double wiltingPoint;
    double detectionContent;  // the soil must be wetted to this for a detector to respond
    double upperContent;

    bool operator==(const SoilRecord&) const = default;
};

// The built-in soils, "Light textured soil" and "Heavy textured soil".
inline constexpr SoilRecord kLightSoil{0.14, 0.07, 0.18, 0.25};
inline constexpr SoilRecord kHeavySoil{0.32, 0.22, 0.34, 0.38};

// The soils of a run's two slots: the built-in ones, or the user's own
// (read and checked by soil_text.h).
struct SoilSlots {
    SoilRecord light = kLightSoil;
    SoilRecord heavy = kHeavySoil;
};

// What a detector's float showed after the irrigation: UP (the detector
// responded) or DOWN.
enum class FloatPosition { up, down };

// What the irrigator saw of each detector; empty: not checked.
struct DetectorsShowed {
    std::optional<FloatPosition> shallow, deep;

    bool anyChecked() const { return shallow.has_value() || deep.has_value(); }
    bool operator==(const DetectorsShowed&) const = default;
};

// The inputs of one run: the five input texts exactly as typed (blanks
// included) and the two soils. `showed` is what the detectors showed after
// the irrigation, when the user says: the run itself never reads it, only
// the detectors' answer does (detector_answer.h).
struct ModelInputs {
    std::string appRate = "10";      // R, mm/h
    std::string duration = "2.5";    // H, h
    std::string days = "5";          // N, days since the last irrigation
    std::string cropWaterUse = "5";  // U, mm/day
    std::string rootZone = "500";    // Z, mm
    SoilSlots soils{};
    DetectorsShowed showed{};
};

// The default texts above written with the active decimal separator, as the
// window shows them: duration "2,5" when the separator is ",".
ModelInputs localisedDefaultInputs();

// The depths a run computes for one soil (mm, or a fraction for the water
// content). A value is empty until a run reaches the step that computes it.
struct SoilDepths {
    std::optional<double> initialWaterContent;
    std::optional<double> upperContentDepth;
    std::optional<double> maxDetectionDepth;
    std::optional<double> front48h;
    std::optional<double> front24h;
};

// Everything a run writes for one soil: the soil's constants it used, its
// depths, the texts the window shows for it and its storage warning. A text
// is empty until a run writes it.
struct SoilResults : SoilDepths {
    // The water contents the run used for this slot; set when the run reaches
    // the slot's first step. Whatever reads the soil's constants after a run
    // (the irrigation plan, morvane-calc's JSON) reads them here.
    std::optional<SoilRecord> soil;
    std::optional<std::string> deficitText;              // D, general format
    std::optional<std::string> totalAvailableWaterText;  // one decimal
    std::optional<std::string> availableWaterText;       // one decimal
    std::optional<std::string> storageText;              // whole percent, "29%"
    std::optional<std::string> shallowDetectorText;      // whole millimetres
    std::optional<std::string> deepDetectorText;         // whole millimetres
    // Set means decided: true when the storage is negative (the storage text
    // turns red and the soil's warning is shown).
    std::optional<bool> storageWarning;
};

struct ModelResults {
    std::optional<std::string> appliedDepthText;  // A, whole millimetres
    // Held values of the run.
    // R as parsed, unrounded: only the irrigation plan (response_plan.h) reads it.
    std::optional<Extended> appRate;
    std::optional<double> appliedDepth;  // A, whole millimetres
    // N as parsed, unrounded: only the detectors' answer (detector_answer.h) reads it.
    std::optional<Extended> days;
    std::optional<double> deficit;       // D = N x U
    std::optional<double> rootZone;      // Z
    SoilResults light, heavy;
};

// Runs the model on the inputs, writing into results in step order, with
// the inputs' soils (the built-in ones by default).
// Throws EConvertError for a text the parse rule rejects (inputs parsed in
// the order rate, duration, days, crop water use, root zone), EZeroDivide or
// EInvalidOp (zero by zero) for a zero divisor, EOverflow for a value beyond
// the double range, EInvalidOp for a detector depth beyond the 64-bit range.
// The texts are written in the order of kResultTexts (result_names.h).
//   defaults ("10", "2.5", "5", "5", "500"): appliedDepthText "25",
//   light: deficitText "25", totalAvailableWaterText "35.0", availableWaterText
//   "10.0", storageText "29%", shallowDetectorText "165", deepDetectorText "335";
//   heavy storageText "50%"
//   days "0": appliedDepthText "25", light and heavy deficitText "0", then EZeroDivide
void runWettingFrontModel(const ModelInputs& inputs, ModelResults& results);

}  // namespace morvane
