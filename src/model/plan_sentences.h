#pragma once
// One soil's irrigation plan (response_plan.h) in words, for a tooltip or a
// web page. Pure: the text depends only on the plan and the decimal separator
// in force.
//
// Applied depths are written with the fixed format to one decimal, detector
// and root zone depths and the rate with the general format, all with the
// active decimal separator. The rate is named once, after the first run time.
//
// The light soil with the default inputs:
//   "Shallow detector (165 mm) responds once 14.8 mm is applied: 1 h 30 min at
//    10 mm/h. Deep detector (335 mm): 30.1 mm, 3 h 1 min. The whole root zone
//    (500 mm) is wetted by 25.0 mm: 2 h 30 min."
// The same with the decimal separator ",": "... once 14,8 mm is applied ..."
// Root zone 299 (no deep detector): the deep sentence is left out:
//   "Shallow detector (150 mm) responds once ... The whole root zone (299 mm) ..."
// A depth of 0 (the soil is already wet enough):
//   "Shallow detector (165 mm) responds with any irrigation."
//   "Deep detector (335 mm): any irrigation."
//   "The whole root zone (500 mm) is wetted by any irrigation."
// A rate that is not positive (no run times), rate "0":
//   "Shallow detector (165 mm) responds once 14.8 mm is applied. Deep detector
//    (335 mm): 30.1 mm. The whole root zone (500 mm) is wetted by 25.0 mm.
//    No run time at 0 mm/h."
// (the last sentence only when some depth is above 0).

#include <string>
#include <string_view>

#include "response_plan.h"

namespace morvane {

std::string planSentences(const SoilPlan& soil, std::string_view rateText);

// A run time as whole hours and minutes, rounded up to the next whole minute:
//   1.485 h (89.1 min) -> "1 h 30 min"   0.25 h -> "15 min"   2 h -> "2 h"
//   0.0001 h -> "1 min"   0 h -> "0 min"
// A time within a millionth of a minute above a whole minute counts as that
// minute, so that 2.5000000000000004 h (a binary fraction of an exact 2.5 h)
// reads "2 h 30 min", not "2 h 31 min".
std::string runTimeText(double hours);

}  // namespace morvane
