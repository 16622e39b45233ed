#pragma once
// One run of the model for morvane-calc, with its irrigation plan when asked
// for and the detectors' answer when the inputs say what the detectors
// showed, and a failure turned into its error text ("Floating point division
// by zero."). The plan and the answer of a successful run can fail too (a
// value beyond the double range): that is the run's error then, and there is
// neither plan nor answer.

#include <optional>
#include <string>

#include "detector_answer.h"
#include "response_plan.h"
#include "wetting_front_model.h"

namespace morvane::calc {

struct ModelRun {
    std::optional<ResponsePlan> plan;      // with a plan asked for, after a successful run
    std::optional<DetectorAnswer> answer;  // with a detector checked, after a successful run
    std::optional<std::string> error;      // empty on success
};

ModelRun runModel(const ModelInputs& inputs, ModelResults& results, bool withPlan);

}  // namespace morvane::calc
