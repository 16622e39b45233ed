#include "plan_tooltips.h"

#include <QString>
#include <QWidget>

#include "failures.h"
#include "plan_sentences.h"
#include "response_plan.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// One sentence a line: on one line the plan runs wider than the window.
// Numbers hold no space, so ". " ends a sentence.
QString tooltipText(const std::string& sentences)
{
    return QString::fromStdString(sentences).replace(u". "_s, u".\n"_s);
}

}  // namespace

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
    lightChart->setToolTip(tooltipText(planSentences(plan.light, plan.rateText)));
    heavyChart->setToolTip(tooltipText(planSentences(plan.heavy, plan.rateText)));
}

}  // namespace morvane
