#pragma once
// Writing a run's irrigation plan (response_plan.h): as Name=value lines, as
// table columns and as a JSON object. Every value is a held double written
// with 17 significant digits, so it reads back exactly; the lines and the
// columns use the active decimal separator, JSON always ".".
//
// The names, light soil first, then the same with Hv:
//   LtPlanShallowDepth=165
//   LtPlanShallowAppliedDepth=14.849999999999998
//   LtPlanShallowHours=1.4849999999999999
//   LtPlanDeepDepth=335
//   LtPlanDeepAppliedDepth=30.149999999999995
//   LtPlanDeepHours=3.0149999999999997
//   LtPlanRootZoneAppliedDepth=25
//   LtPlanRootZoneHours=2.5
// A value the plan does not hold is empty: the run times at a rate that is not
// positive, the three deep values when the root zone is under 300 mm.
// JSON: {"light": {"shallow": {"depth": 165, "appliedDepth": 14.849999999999998,
//   "hours": 1.4849999999999999}, "deep": {...} or null, "rootZone":
//   {"appliedDepth": 25, "hours": 2.5}}, "heavy": {...}}, with "hours": null
//   for an absent run time.

#include <array>
#include <optional>
#include <string>

#include "response_plan.h"

namespace morvane::calc {

inline constexpr std::array<const char*, 16> kPlanValueNames{
    "LtPlanShallowDepth", "LtPlanShallowAppliedDepth", "LtPlanShallowHours",
    "LtPlanDeepDepth",    "LtPlanDeepAppliedDepth",    "LtPlanDeepHours",
    "LtPlanRootZoneAppliedDepth", "LtPlanRootZoneHours",
    "HvPlanShallowDepth", "HvPlanShallowAppliedDepth", "HvPlanShallowHours",
    "HvPlanDeepDepth",    "HvPlanDeepAppliedDepth",    "HvPlanDeepHours",
    "HvPlanRootZoneAppliedDepth", "HvPlanRootZoneHours",
};

// The plan's values in the order of kPlanValueNames; empty where the plan holds none.
std::array<std::optional<double>, 16> planValues(const ResponsePlan& plan);

// Appends a held value with 17 significant digits and the active decimal separator.
void appendPlanNumber(std::string& out, double value);

// One Name=value line per entry of kPlanValueNames.
std::string plainPlanReport(const ResponsePlan& plan);

// The JSON object above.
void appendJsonPlan(std::string& out, const ResponsePlan& plan);

}  // namespace morvane::calc
