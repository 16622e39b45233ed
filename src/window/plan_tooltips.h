#pragma once
// The irrigation plan of a run in words, as the tooltip of each soil's chart:
// how much water, and how long at the run's rate, before each detector
// responds and before the whole root zone is wetted. Nothing drawn changes.
//
// The text is the plan's sentences (plan_sentences.h), one a line. The light
// soil with the default inputs:
//   "Shallow detector (165 mm) responds once 14.8 mm is applied: 1 h 30 min at 10 mm/h.\n
//    Deep detector (335 mm): 30.1 mm, 3 h 1 min.\n
//    The whole root zone (500 mm) is wetted by 25.0 mm: 2 h 30 min."

#include "wetting_front_model.h"

class QWidget;

namespace morvane {

// Sets the tooltips from the results of a successful run. A plan beyond the
// double range (a rate of 1e-310 mm/h) cannot be told: both tooltips are
// cleared rather than left telling the previous run's plan, and the run
// still counts as successful.
void showPlanTooltips(const ModelResults& results, QWidget* lightChart, QWidget* heavyChart);

}  // namespace morvane
