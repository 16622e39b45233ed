#include "results_report.h"

#include <QLabel>
#include <QWidget>

#include "detector_answer_view.h"
#include "labeled_edit.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

constexpr const char* kInputs[] = {"AppRate", "Duration", "Ltsdepth", "LtCWU", "LtDIrrig"};
constexpr const char* kResults[] = {"AppAmount", "LtSWD", "LtSTO", "Hv1STO", "LtSD", "LtDD"};

struct SoilWarning {
    const char* labelName;
    QString soil;  // empty for a warning that names its soil itself
};

struct SoilChart {
    const char* chartName;
    const char* captionName;  // the soil's caption above its chart
};
constexpr SoilChart kCharts[] = {{"Chart1", "Label6"}, {"Chart2", "Label7"}};

QString oneLine(QString text)
{
    text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return text;
}

QString item(const QString& name, const QString& value)
{
    return oneLine(name) + u'\t' + oneLine(value) + u'\n';
}

template <typename T>
T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1StringView(name));
}

}  // namespace

QString resultsReport(const QWidget& window)
{
    QString report;
    for (const char* name : kInputs)
        if (auto* edit = control<LabeledEdit>(window, name))
            report += item(edit->label()->text(), edit->text());
    // A soil of the user's own: its caption names it, its tooltip tells its values.
    for (const SoilChart& soil : kCharts)
        if (auto* caption = control<QLabel>(window, soil.captionName); caption && !caption->toolTip().isEmpty())
            report += item(caption->text(), caption->toolTip());

    for (const char* name : kResults) {
        auto* label = control<QLabel>(window, name);
        if (label != nullptr && !label->isHidden())
            report += item(label->accessibleName(), label->text());
    }

    const SoilWarning warnings[] = {{"ltStoWarn", {}},
                                    {"HvSTOWarn", {}},
                                    {"warn24h", u"light textured soil"_s},
                                    {"warn24h2", u"heavy textured soil"_s}};
    for (const SoilWarning& warning : warnings) {
        auto* label = control<QLabel>(window, warning.labelName);
        if (label == nullptr || label->isHidden())
            continue;
        const QString text =
            warning.soil.isEmpty() ? label->text() : label->text() + u" ("_s + warning.soil + u')';
        report += item(u"Warning"_s, text);
    }

    for (const SoilChart& soil : kCharts) {
        auto* chart = control<QWidget>(window, soil.chartName);
        auto* caption = control<QLabel>(window, soil.captionName);
        if (chart != nullptr && caption != nullptr && !chart->toolTip().isEmpty())
            report += item(caption->text(), chart->toolTip());
    }
    if (auto* answer = control<DetectorAnswerView>(window, "detectorAnswer"))
        for (const auto& [name, text] : answer->reportItems())
            report += item(name, text);
    return report;
}

}  // namespace morvane
