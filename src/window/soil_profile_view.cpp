#include "soil_profile_view.h"

#include "chart.h"
#include "circle_marker.h"
#include "colours.h"
#include "label_styles.h"
#include "soil_chart_rules.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

constexpr QSize kChartSize(137, 401);
// The markers' circles are this wide and sit this far into their chart.
constexpr int kMarkerSize = 17;
constexpr int kMarkerLeft = 80;

Chart* createChart(QWidget* parent, const SoilProfileDesign& design)
{
    auto* chart = new Chart(parent);
    chart->setObjectName(design.chartName);
    chart->setGeometry(QRect(design.chartPosition, kChartSize));
    chart->setColor(colours::sand);
    chart->setMarginTop(10);

    ChartAxis& across = chart->bottomAxis();
    across.setMinMax(0, 1);
    across.setVisible(false);

    ChartAxis& depth = chart->leftAxis();
    depth.setMinMax(0, kChartDepthRange);
    depth.setInverted(true);
    depth.title().setCaption(design.depthCaption);
    depth.title().font().setHeight(13);
    depth.title().font().setBold(true);
    return chart;
}

// A line across the chart at a depth. The engine's lines take no mouse
// input, so the user cannot drag them.
ColorLine* addDepthLine(Chart& chart, QColor colour, int width,
                        Qt::PenCapStyle ends = Qt::RoundCap)
{
    ColorLine& line = chart.addColorLine();
    line.setAxisId(Chart::LeftAxisIndex);
    line.pen().setColor(colour);
    line.pen().setWidth(width);
    line.pen().setEndStyle(ends);
    return &line;
}

CircleMarker* addMarker(Chart* chart, const QString& name, int top, bool visible)
{
    auto* marker = new CircleMarker(chart, name, QRect(kMarkerLeft, top, kMarkerSize, kMarkerSize),
                                    colours::yellow, colours::white);
    marker->setVisible(visible);
    return marker;
}

void colourMarker(CircleMarker& marker, double detectorDepth, const SoilDepths& depths)
{
    marker.show();
    const bool responds = detectorResponds(detectorDepth, depths.maxDetectionDepth.value());
    marker.setFillColour(responds ? colours::red : colours::yellow);
}

// Sets a control's accessible texts; Qt tells screen readers of each change.
void setAccessibleTexts(QWidget& control, const QString& name, const QString& description)
{
    if (control.accessibleName() != name)
        control.setAccessibleName(name);
    if (control.accessibleDescription() != description)
        control.setAccessibleDescription(description);
}

void placeMarker(CircleMarker& marker, int depthRow)
{
    marker.move(kMarkerLeft, depthRow - kMarkerSize / 2);
}

}  // namespace

SoilProfileView::SoilProfileView(QWidget* parent, const SoilProfileDesign& design)
    : chart_(createChart(parent, design)),
      rootZoneLine_(addDepthLine(*chart_, colours::yellow, 3)),
      front24hLine_(addDepthLine(*chart_, colours::green, 3)),
      appliedWaterBar_(addDepthLine(*chart_, colours::fuchsia, design.appliedBarWidth,
                                    Qt::FlatCap)),
      shallowMarker_(addMarker(chart_, design.shallowMarkerName, design.shallowMarkerTop, true)),
      deepMarker_(addMarker(chart_, design.deepMarkerName, design.deepMarkerTop, false)),
      beyondChartWarning_(new TextLabel(parent, design.warningName, u"24h is beyond 600 mm"_s,
                                        QRect(design.warningPosition, QSize(0, 13)),
                                        labelStyles::red)),
      bandTitle_(design.bandTitle)
{
    beyondChartWarning_->hide();
}

void SoilProfileView::rebuildBand(const SoilDepths& depths)
{
    chart_->removeAllSeries();
    auto* band = new AreaSeries(chart_);
    chart_->addSeries(band);
    bandBottom_ = depths.maxDetectionDepth.value();
    band->addPoint(0, bandBottom_, colours::blue);
    band->addPoint(10, bandBottom_, colours::blue);
    band->setUseYOrigin(true);
    band->setTitle(bandTitle_);
}

void SoilProfileView::colourMarkers(double shallowDepth, double deepDepth,
                                    const SoilDepths& depths)
{
    shallowDepth_ = shallowDepth;
    deepDepth_ = deepDepth;
    colourMarker(*shallowMarker_, shallowDepth, depths);
    colourMarker(*deepMarker_, deepDepth, depths);
}

void SoilProfileView::showDeepMarker(bool shown) { deepMarker_->setVisible(shown); }

void SoilProfileView::setLines(double rootZoneLine, const SoilDepths& depths,
                               double appliedDepth)
{
    rootZoneLine_->setValue(rootZoneLine);

    const double front = depths.front24h.value();
    front24hLine_->setValue(frontLineDepth(front));
    beyondChartWarning_->setVisible(frontBeyondChart(front));
    front24hLine_->setActive(frontLineShown(front, depths.maxDetectionDepth.value()));

    appliedDepth_ = appliedDepth;
    appliedWaterBar_->setValue(-appliedDepth / 2);
    // The depth scale as the chart will be drawn, also before its first
    // paint: the bar has its full thickness from the first display on.
    appliedWaterBar_->pen().setWidth(depthMap().lengthOf(appliedDepth));
}

AxisMap SoilProfileView::depthMap() const { return chart_->axisMap(Chart::LeftAxisIndex); }

void SoilProfileView::placeMarkers(double shallowDepth, double deepDepth)
{
    const AxisMap depth = depthMap();
    placeMarker(*shallowMarker_, depth.pixelOf(shallowDepth));
    placeMarker(*deepMarker_, depth.pixelOf(deepDepth));
}

}  // namespace morvane

namespace morvane {

ChartFacts SoilProfileView::shownFacts(const QString& soilName) const
{
    const auto responds = [](const CircleMarker& marker) {
        return marker.fillColour() == colours::red;
    };
    ChartFacts facts;
    facts.soilName = soilName;
    facts.appliedDepth = appliedDepth_;
    facts.detectionDepth = bandBottom_;
    facts.shallow = {shallowDepth_, responds(*shallowMarker_)};
    if (!deepMarker_->isHidden())
        facts.deep = DetectorFacts{deepDepth_, responds(*deepMarker_)};
    if (front24hLine_->isActive())
        facts.front24h = front24hLine_->value();
    facts.rootZone = rootZoneLine_->value();
    facts.frontBeyondChart = !beyondChartWarning_->isHidden();
    return facts;
}

void SoilProfileView::describe(const QString& soilName)
{
    const ChartFacts facts = shownFacts(soilName);
    setAccessibleTexts(*chart_, facts.soilName, chartDescription(facts));
    const QString soil = facts.soilName + u": "_s;
    setAccessibleTexts(*shallowMarker_, soil + detectorSentence(u"Shallow"_s, facts.shallow),
                       QString());
    if (facts.deep)
        setAccessibleTexts(*deepMarker_, soil + detectorSentence(u"Deep"_s, *facts.deep),
                           QString());
}

}  // namespace morvane
