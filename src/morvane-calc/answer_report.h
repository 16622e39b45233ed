#pragma once
// Writing the detectors' answer (detector_answer.h): as Name=value lines, as
// table columns and as a JSON object. Every value is a held double written
// with 17 significant digits, as the plan's; the lines and the columns use
// the active decimal separator, JSON always ".".
//
// The lines, light soil first, then the same with Hv (the defaults with the
// shallow detector UP and the deep one DOWN):
//   LtShowedDeficitMin=17.313432835820905
//   LtShowedDeficitMax=55.757575757575765
//   LtShowedCropWaterUseMin=3.4626865671641811
//   LtShowedCropWaterUseMax=11.151515151515152
// A value the answer does not hold is empty: the upper ends when no detector
// is UP, both daily uses when the days are not positive. A soil whose
// detectors contradict the model has the one line "LtShowed=contradiction"
// instead of its four.
// Table columns: LtShowed (empty, or "contradiction"), the four values as
// above (empty for a contradiction), then the same with Hv.
// JSON: {"light": {"deficit": [17.313432835820905, 55.757575757575765],
//   "cropWaterUse": [3.4626865671641811, 11.151515151515152]}, "heavy": {...}},
// with null for an upper end there is none of, "cropWaterUse": null without
// daily uses, and null for a soil that contradicts the model.

#include <array>
#include <string>

#include "detector_answer.h"

namespace morvane::calc {

inline constexpr std::array<const char*, 10> kAnswerColumnNames{
    "LtShowed", "LtShowedDeficitMin", "LtShowedDeficitMax", "LtShowedCropWaterUseMin",
    "LtShowedCropWaterUseMax",
    "HvShowed", "HvShowedDeficitMin", "HvShowedDeficitMax", "HvShowedCropWaterUseMin",
    "HvShowedCropWaterUseMax",
};

// The lines above, one soil after the other.
std::string plainAnswerReport(const DetectorAnswer& answer);

// The table's cells in the order of kAnswerColumnNames.
std::array<std::string, kAnswerColumnNames.size()> answerCells(const DetectorAnswer& answer);

// The JSON object above.
void appendJsonAnswer(std::string& out, const DetectorAnswer& answer);

}  // namespace morvane::calc
