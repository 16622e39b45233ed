#include "results_report.h"

#include <QWidget>

#include "detector_answer_view.h"
#include "labeled_edit.h"
#include "result_names.h"
#include "text_label.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

constexpr const char* kInputs[] = {"AppRate", "Duration", "Ltsdepth", "LtCWU", "LtDIrrig"};

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

// "Applied depth (mm)", "Light soil storage".
QString resultCaption(const ResultText& result)
{
    QString caption = QString::fromLatin1(result.meaning);
    if (*result.unit != '\0')
        caption += u" ("_s + QString::fromLatin1(result.unit) + u')';
    return caption;
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
        if (auto* caption = control<TextLabel>(window, soil.captionName);
            caption && !caption->toolTip().isEmpty())
            report += item(caption->text(), caption->toolTip());

    for (const ResultText& result : kResultTexts) {
        auto* label = control<TextLabel>(window, result.name);
        if (label != nullptr && !label->isHidden())
            report += item(resultCaption(result), label->text());
    }

    const SoilWarning warnings[] = {{"ltStoWarn", {}},
                                    {"HvSTOWarn", {}},
                                    {"warn24h", u"light textured soil"_s},
                                    {"warn24h2", u"heavy textured soil"_s}};
    for (const SoilWarning& warning : warnings) {
        auto* label = control<TextLabel>(window, warning.labelName);
        if (label == nullptr || label->isHidden())
            continue;
        const QString text =
            warning.soil.isEmpty() ? label->text() : label->text() + u" ("_s + warning.soil + u')';
        report += item(u"Warning"_s, text);
    }

    for (const SoilChart& soil : kCharts) {
        auto* chart = control<QWidget>(window, soil.chartName);
        auto* caption = control<TextLabel>(window, soil.captionName);
        if (chart != nullptr && caption != nullptr && !chart->toolTip().isEmpty())
            report += item(caption->text(), chart->toolTip());
    }
    if (auto* answer = control<DetectorAnswerView>(window, "detectorAnswer"))
        for (const auto& [name, text] : answer->reportItems())
            report += item(name, text);
    return report;
}

}  // namespace morvane
