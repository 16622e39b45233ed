#pragma once
// What a soil's chart shows of a run: the rules the window's charts and the
// page's charts both follow, so that the two show every run alike.

#include <algorithm>

#include "numeric_ops.h"

namespace morvane {

// The charts show the soil from the surface down to this depth (mm).
inline constexpr double kChartDepthRange = 600;

// The root zone line stands at the whole millimetre nearest the root zone
// depth, ties to even: 499.5 -> 500, 450.4 -> 450. Throws EInvalidOp for a
// root zone of 2^63 mm or more.
inline double rootZoneLineDepth(double rootZone)
{
    return static_cast<double>(roundToInteger(rootZone));
}

// The 24-hour front's line: on the surface for a front above it (-20 -> 0),
// drawn only where the front reaches the bottom of the detection zone or
// beyond; a front that stays inside the zone draws no line.
inline double frontLineDepth(double front24h) { return std::max(0.0, front24h); }
inline bool frontLineShown(double front24h, double maxDetectionDepth)
{
    return frontLineDepth(front24h) >= maxDetectionDepth;
}

// A front deeper than the chart shows is told in a warning under it.
inline bool frontBeyondChart(double front24h) { return front24h > kChartDepthRange; }

// A detector responds (its marker is red) when the wetted zone reaches its
// depth; one at the very bottom of the zone still does.
inline bool detectorResponds(double detectorDepth, double maxDetectionDepth)
{
    return !(detectorDepth > maxDetectionDepth);
}

}  // namespace morvane
