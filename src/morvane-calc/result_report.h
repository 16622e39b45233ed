#pragma once
// Writing the results of one run, plain or as JSON. Only what the run wrote
// appears: a failing run reports the texts and values written before the failure.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "detector_answer.h"
#include "model_run.h"
#include "response_plan.h"
#include "wetting_front_model.h"

namespace morvane::calc {

// One "Name=text" line per written text in the order the model writes them,
// then "ltStoWarn=shown|hidden" and "HvSTOWarn=shown|hidden" once set.
std::string plainReport(const ModelResults& results);

// What morvane-calc prints for a run without --json: plainReport, then the
// plan's lines (plan_report.h) when `planLines` and the run has a plan, then
// the detectors' answer's lines (answer_report.h) when it has one.
std::string plainRunReport(const ModelResults& results, const ModelRun& run, bool planLines);

// A table row's named fields, carried into its JSON line.
using NamedFields = std::vector<std::pair<std::string_view, std::string_view>>;

// {"texts": {...}, "warnings": {...}, "light": {...}, "heavy": {...},
//  "plan": {...}|null, "error": null|"..."}
// and, for a table row, "fields": {"name": "text", ...} last. "plan" is the
// run's irrigation plan (plan_report.h), null when there is none (a failed run).
// With `answer` given (a detector was checked), "showed" follows "plan": the
// detectors' answer (answer_report.h), null when *answer is empty (a failed
// run); without it there is no "showed", and the output is as it always was.
// A run with a soil of the user's own in either slot has "soils" after
// "heavy": the water contents each slot the run reached used,
//   "soils": {"light": {"fieldCapacity": 0.20000000000000001, "wiltingPoint":
//   0.10000000000000001, "detectionContent": 0.23000000000000001,
//   "upperContent": 0.29999999999999999}, "heavy": {...}};
// with the built-in soils there is none, and the output is as it always was.
// Held values are written with 17 significant digits, so the doubles read back exactly.
std::string jsonReport(const ModelResults& results, const ResponsePlan* plan,
                       const std::optional<std::string>& error, const NamedFields* fields = nullptr,
                       const std::optional<DetectorAnswer>* answer = nullptr);
void appendJsonReport(std::string& out, const ModelResults& results, const ResponsePlan* plan,
                      const std::optional<std::string>& error, const NamedFields* fields,
                      const std::optional<DetectorAnswer>* answer = nullptr);

// "shown" or "hidden" for a decided storage warning.
inline const char* warningText(bool shown) { return shown ? "shown" : "hidden"; }

}  // namespace morvane::calc
