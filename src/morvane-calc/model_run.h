#pragma once
// One run of the model for morvane-calc, and its irrigation plan when asked
// for, with a failure turned into its error text ("Floating point division by
// zero."). The plan of a successful run can fail too (a run time beyond the
// double range): that is the run's error then, and there is no plan.

#include <optional>
#include <string>

#include "response_plan.h"
#include "wetting_front_model.h"

namespace morvane::calc {

struct ModelRun {
    std::optional<ResponsePlan> plan;  // with a plan asked for, after a successful run
    std::optional<std::string> error;  // empty on success
};

ModelRun runModel(const ModelInputs& inputs, ModelResults& results, bool withPlan);

}  // namespace morvane::calc
