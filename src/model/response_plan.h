#pragma once
// The irrigation plan of a run: for each soil, how much water must be
// applied, and for how long the sprinklers must run at the run's rate, before
// the shallow detector responds, before the deep one responds, and before the
// whole root zone is wetted (the 48-hour front reaches the root zone depth).
//
// With θd the soil's detection water content and FC its field capacity (of
// the soil the run used for the slot, SoilResults::soil), θi the run's
// initial water content, Z the root zone depth and R the rate:
//   a detector at depth d responds once  d × (θd − θi) mm  are applied;
//   the whole root zone is wetted by     Z × (FC − θi) mm;
//   each takes that depth ÷ R hours.
// A depth that is not positive is 0: the soil is already wet enough and any
// irrigation does it. A run time is absent when R is not positive. The deep
// detector has no entry when it is not shown (root zone under 300 mm).
//
// The detector depths are read from the run's detector texts with the parse
// rule, as the charts' markers read them. The arithmetic is the model's
// extended arithmetic; every value is held as a double. The plan only reads
// the results: no result text or value of the run changes.
//
// Default inputs (rate 10, duration 2.5, days 5, crop water use 5, root zone 500):
//   light: shallow 165 mm -> 14.849999999999998 mm, 1.4849999999999999 h;
//          deep 335 mm -> 30.149999999999995 mm, 3.0149999999999997 h;
//          root zone 500 mm -> 25 mm, 2.5 h
//   heavy: shallow 165 mm -> 11.55 mm, 1.155 h; deep 335 mm -> 23.450000000000003 mm,
//          2.345 h; root zone 500 mm -> 24.999999999999993 mm, 2.499999999999999 h
//   rate 0 or -4: the same depths, no run times
// Root zone 299: no deep entry; 300: a deep entry at 300 mm.

#include <optional>
#include <string>

#include "wetting_front_model.h"

namespace morvane {

// The water a detector needs before it responds.
struct DetectorResponse {
    double detectorDepth;         // d, mm, as parsed from the detector text
    double appliedDepth;          // mm, 0 when any irrigation trips it
    std::optional<double> hours;  // run time at the rate; absent when the rate is not positive
};

// The water that brings the whole root zone to field capacity.
struct RootZoneWetting {
    double rootZone;              // Z, mm
    double appliedDepth;          // mm, 0 when the root zone is already at field capacity
    std::optional<double> hours;  // as for a detector
};

struct SoilPlan {
    DetectorResponse shallow;
    std::optional<DetectorResponse> deep;  // absent when the root zone is under 300 mm
    RootZoneWetting rootZone;
};

struct ResponsePlan {
    std::string rateText;  // R written with the general format, "10"
    SoilPlan light, heavy;
};

// The plan of a successful run (results holding every value and text a
// complete run writes; anything less throws std::bad_optional_access).
// Throws EOverflow when a depth or a run time is beyond the double range
// (a rate of 1e-310 mm/h, or an initial water content near -1e307).
ResponsePlan responsePlan(const ModelResults& results);

}  // namespace morvane
