#include "model_run.h"

#include "failures.h"

namespace morvane::calc {

ModelRun runModel(const ModelInputs& inputs, ModelResults& results, bool withPlan)
{
    ModelRun run;
    try {
        runWettingFrontModel(inputs, results);
        if (withPlan) run.plan = responsePlan(results);
        if (inputs.showed.anyChecked()) run.answer = detectorAnswer(results, inputs.showed);
    } catch (const Exception& failure) {
        run.plan.reset();
        run.error = withClosingPeriod(failure.message());
    }
    return run;
}

}  // namespace morvane::calc
