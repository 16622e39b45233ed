#pragma once
// Where the shallow and deep detectors go for a root zone depth.

#include <cstdint>
#include <string>

#include "extended.h"

namespace morvane {

// The nearest integer (ties to even), then to a multiple of five with
// remainders 0, 1, 2 going down and 3, 4 going up:
//   166.7 -> 167 -> 165;  333.3 -> 333 -> 335;  -167 -> -165.
// Throws EInvalidOp for a value outside the 64-bit integer range.
std::int64_t roundToFive(Extended value);

// The detector depth for a position in the root zone: roundToFive of it, but
// never shallower than 150 mm. Root zone 500: shallowDetectorDepth -> 165,
// deepDetectorDepth -> 335; root zone 200: 150 and 150.
Extended shallowDetectorDepth(double rootZone);
Extended deepDetectorDepth(double rootZone);

// The deep detector is shown, and counts, from this root zone depth (mm) on.
inline constexpr double kDeepDetectorMinimumRootZone = 300;

// A detector's depth as its text shows it ("165" -> 165), read with the
// parse rule as the charts' markers read it.
double detectorDepthFromText(const std::string& text);

}  // namespace morvane
