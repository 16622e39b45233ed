#pragma once
// What the detectors showed, turned back into knowledge: for each soil, the
// soil water deficits before the irrigation, and so the daily crop water
// uses, that agree with each detector's float being UP or DOWN, and whether
// the irrigator's estimate (days x daily crop water use) lies among them.
//
// The rule, per soil, with the soil's field capacity FC and detection water
// content DETECT, the run's applied depth A (as parsed from its text), root
// zone depth Z and days N: a detector at depth x responds exactly when the
// maximum detection depth A / (DETECT - theta_i) reaches x, that is when the
// deficit D satisfies D <= bound(x), where
//   bound(x) = (A / x - (DETECT - FC)) x Z,
// each operation in extended arithmetic and the result held as a double.
// Float UP at x gives D <= bound(x); DOWN gives D > bound(x). The deficits
// allowed are the intersection of these, and never below 0:
//   lower end = the largest bound of a DOWN detector, 0 when there is none or
//               it is below 0 (a deficit is never negative);
//   upper end = the smallest bound of an UP detector; none when no detector is UP.
// The answer contradicts the model (a detector may be faulty or badly
// installed) when no deficit of 0 or more is left: the lower end above the
// upper end (shallow DOWN but deep UP), an UP detector whose bound is below 0
// (it could respond only in a soil wetter than field capacity), or both ends
// equal when the lower one comes from a DOWN detector (D > b and D <= b).
// The daily crop water use range is each end divided by N (extended, held as
// a double); there is none when N is 0 or negative, since a daily use needs
// a positive number of days.
//
// The estimate is the run's held deficit D: too low when below the range (or
// equal to a lower end that a DOWN detector excludes), too high when above
// its upper end, else right.
//
// Only the detectors shown count: the deep one only for root zones of 300 mm
// or more. Detector depths are read from the run's detector texts, as the
// charts' markers read them. The answer needs a complete run; a run that
// failed has none (nor does the model allow one: with zero days the run
// fails at the 48-hour front).
//
// Default inputs (A 25, Z 500, N 5, D 25; detectors at 165 and 335 mm):
//   light (FC 0.14, DETECT 0.18): bound(165) = (25/165 - 0.04) x 500 = 55.757...,
//     bound(335) = 17.313...; shallow UP, deep DOWN -> deficit 17.313... to
//     55.757..., crop water use 3.4626... to 11.1515..., estimate right;
//     shallow DOWN, deep UP -> contradiction
//   heavy (FC 0.32, DETECT 0.34): bound(165) = 65.757..., bound(335) = 27.313...;
//     both UP -> deficit 0 to 27.313..., crop water use 0 to 5.4626...
// Throws EOverflow when a bound or a daily use is beyond the double range
// (an applied depth near 1e308, or days near 1e-310).

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "extended.h"
#include "wetting_front_model.h"

namespace morvane {

// A range of deficits (mm) or of daily crop water uses (mm a day).
struct AllowedRange {
    double lower = 0;             // never below 0
    std::optional<double> upper;  // none: no upper end
};

enum class EstimateVerdict { right, tooLow, tooHigh };

// What one soil's detectors say.
struct SoilAnswer {
    AllowedRange deficit;
    std::optional<AllowedRange> cropWaterUse;  // none when N is not positive
    EstimateVerdict estimate = EstimateVerdict::right;
};

struct DetectorAnswer {
    std::string estimateText;  // the deficit as the window shows it, "25"
    // Empty for a soil whose detectors contradict the model.
    std::optional<SoilAnswer> light, heavy;
};

// One checked detector: its depth x (mm) and what its float showed.
struct DetectorReading {
    double depth;
    FloatPosition position;
};

// The run's values the answer is worked from.
struct IrrigationValues {
    double appliedDepth;  // A
    double rootZone;      // Z
    Extended days;        // N, as parsed
    double deficit;       // D, the estimate
};

// One soil's answer from the readings of its detectors (any number, in any
// order); empty when they contradict the model. With no readings every
// deficit of 0 or more is allowed.
std::optional<SoilAnswer> soilAnswer(const SoilRecord& soil, const IrrigationValues& values,
                                     std::span<const DetectorReading> readings);

// Both soils' answers for a complete run (anything less throws
// std::bad_optional_access), with each slot's soil as the run used it.
DetectorAnswer detectorAnswer(const ModelResults& results, const DetectorsShowed& showed);

// "up" and "down", exactly, as morvane-calc's options, its table cells and
// the page's links spell them; anything else is empty.
std::optional<FloatPosition> readFloatPosition(std::string_view word);

}  // namespace morvane
