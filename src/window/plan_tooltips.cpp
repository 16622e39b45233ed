#include "plan_tooltips.h"

#include <QString>
#include <QWidget>

#include "failures.h"
#include "plan_sentences.h"
#include "response_plan.h"

namespace morvane {

void showPlanTooltips(const ModelResults& results, QWidget* lightChart, QWidget* heavyChart)
{
    ResponsePlan plan;
    try {
        plan = responsePlan(results);
    } catch (const Exception&) {
        lightChart->setToolTip(QString());
        heavyChart->setToolTip(QString());
        return;
    }
    lightChart->setToolTip(QString::fromStdString(planSentences(plan.light, plan.rateText)));
    heavyChart->setToolTip(QString::fromStdString(planSentences(plan.heavy, plan.rateText)));
}

}  // namespace morvane
