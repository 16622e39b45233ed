// The main window's two soil profile charts: how they are built, the chart
// steps of the recalculation cycle, and the placing of the detector markers
// after each full redraw of the light-soil chart.

#include "MainFormU.h"

#include <algorithm>

#include "application.h"
#include "chart.h"
#include "label.h"
#include "numeric_ops.h"
#include "panel.h"
#include "parse_number.h"
#include "shape.h"

using namespace morvane;

namespace {

constexpr QColor kSand = colours::sand;
constexpr double kDepthRange = 600;
// The markers' circles are this wide and sit this far into their chart.
constexpr int kMarkerSize = 17;
constexpr int kMarkerLeft = 80;

struct SoilChartDesign {
    const char* name;
    QRect geometry;
    int titleLeft;
    QString titleText;
    const char* depthCaption;
};

Chart* createSoilChart(QWidget* parent, const SoilChartDesign& design)
{
    auto* chart = new Chart(parent);
    chart->setObjectName(QString::fromLatin1(design.name));
    chart->setGeometry(design.geometry);
    chart->setColor(kSand);
    chart->setBevelOuter(PanelBevel::None);
    chart->setMarginTop(10);
    chart->title().setCustomPosition(true);
    chart->title().setLeft(design.titleLeft);
    chart->title().setTop(0);
    chart->title().setText({design.titleText});

    ChartAxis& across = chart->bottomAxis();
    across.setAutomatic(false);
    across.setMinMax(0, 1);
    across.setVisible(false);

    ChartAxis& depth = chart->leftAxis();
    depth.setAutomatic(false);
    depth.setMinMax(0, kDepthRange);
    depth.setInverted(true);
    depth.title().setCaption(QString::fromLatin1(design.depthCaption));
    depth.title().font().setHeight(13);
    depth.title().font().setBold(true);
    return chart;
}

// A line across the chart at a depth. The engine's lines take no mouse
// input, so the user cannot drag them.
ColorLine* addDepthLine(Chart& chart, QColor colour, int width,
                             Qt::PenCapStyle endStyle = Qt::RoundCap)
{
    ColorLine& line = chart.addColorLine();
    line.setAxisId(Chart::LeftAxisIndex);
    line.pen().setColor(colour);
    line.pen().setWidth(width);
    line.pen().setEndStyle(endStyle);
    return &line;
}

TShape* addMarker(Chart* chart, const char* name, int top, bool visible)
{
    auto* marker = new TShape(chart, QString::fromLatin1(name),
                              QRect(kMarkerLeft, top, kMarkerSize, kMarkerSize),
                              colours::yellow, colours::white);
    marker->setVisible(visible);
    return marker;
}

// Removes the chart's series and builds the 48-hour band (first) and the
// detection-zone band (second), each from the surface across the plot.
void rebuildSoilSeries(Chart& chart, QObject* owner, const SoilDepths& depths,
                       const QString& front48hTitle, const QString& detectionTitle)
{
    chart.removeAllSeries();
    auto* front48h = new AreaSeries(owner);
    auto* detection = new AreaSeries(owner);
    chart.addSeries(front48h);
    chart.addSeries(detection);
    const auto addBand = [](AreaSeries& series, double depth, QColor colour,
                            const QString& title) {
        series.addPoint(0, depth, QString(), colour);
        series.addPoint(10, depth, QString(), colour);
        series.setUseYOrigin(true);
        series.setTitle(title);
    };
    addBand(*front48h, depths.front48h.value(), colours::skyBlue, front48hTitle);
    addBand(*detection, depths.maxDetectionDepth.value(), colours::blue, detectionTitle);
}

double detectorDepth(const TLabel& label)
{
    return static_cast<double>(parseNumber(label.text().toStdString()));
}

// A detector below the wetted zone does not respond (yellow); one inside
// it, or exactly at its edge, responds (red).
void colourMarker(TShape& marker, const TLabel& detector, const SoilDepths& depths)
{
    marker.show();
    const bool belowWettedZone = detectorDepth(detector) > depths.maxDetectionDepth.value();
    marker.setBrushColour(belowWettedZone ? colours::yellow : colours::red);
}

// The 24-hour line sits on the front, or on the surface for a front above
// it, and shows only when the front has passed the detection zone.
void set24HourLine(ColorLine& line, TLabel& warning, const SoilDepths& depths)
{
    const double front = depths.front24h.value();
    line.setValue(std::max(0.0, front));
    warning.setVisible(front > kDepthRange);
    line.setActive(line.value() >= depths.maxDetectionDepth.value());
}

// The bar stands on the surface and is as thick as the applied depth.
void setAppliedWaterBar(ColorLine& bar, Chart& chart, double appliedDepth)
{
    bar.setValue(-appliedDepth / 2);
    bar.pen().setWidth(chart.leftAxis().pixelLengthOf(appliedDepth));
}

// Depth conversions need the chart's display layout, which a chart gets at
// its first paint; before that every depth converts to 0. Laying the chart
// out now gives its lines their display thickness from the first paint on.
void layOutBeforeFirstPaint(Chart& chart)
{
    if (chart.chartBounds().width() == 0)
        chart.calculateLayout();
}

void placeMarker(TShape& marker, int depthRow)
{
    marker.move(kMarkerLeft, depthRow - kMarkerSize / 2);
}

// The deep markers take the route through the chart's 48-hour series, which
// stays on the depth axis though it draws nothing.
// Before the first run there is no such series; the depth axis gives the
// same row.
int rowThroughFront48hSeries(Chart& chart, double depth)
{
    if (chart.seriesCount() == 0)
        return chart.leftAxis().pixelOf(depth);
    return chart.series(0)->yPixelOf(depth);
}

}  // namespace

void TForm1::createSoilCharts()
{
    Chart1 = createSoilChart(Panel1, {"Chart1", QRect(64, 192, 137, 401), 50, QString(),
                                      "Soil Depth (mm)"});
    Chart2 = createSoilChart(Panel1, {"Chart2", QRect(240, 192, 137, 401), 37,
                                      QStringLiteral(" "), "Soil depth (mm)"});
    ChartTool1 = addDepthLine(*Chart1, colours::yellow, 3);
    ChartTool2 = addDepthLine(*Chart2, colours::yellow, 3);
    ChartTool3 = addDepthLine(*Chart1, colours::green, 3);
    ChartTool4 = addDepthLine(*Chart2, colours::green, 3);
    ChartTool5 = addDepthLine(*Chart1, colours::fuchsia, 21, Qt::FlatCap);
    ChartTool6 = addDepthLine(*Chart2, colours::fuchsia, 20, Qt::FlatCap);

    Shape1 = addMarker(Chart1, "Shape1", 200, true);
    Shape2 = addMarker(Chart1, "Shape2", 288, false);
    Shape3 = addMarker(Chart2, "Shape3", 112, true);
    Shape4 = addMarker(Chart2, "Shape4", 232, false);

    // Runs while the chart paints: a failure is shown once the paint is over.
    connect(Chart1, &Chart::redrawn, this, [this] {
        try {
            Chart1AfterDraw();
        } catch (...) {
            TApplication* application = TApplication::instance();
            if (!application)
                throw;
            application->handleExceptionLater(std::current_exception());
        }
    });
    connect(Chart2, &Chart::redrawn, this, &TForm1::Chart2AfterDraw);
}

void TForm1::rebuildSeries()
{
    rebuildSoilSeries(*Chart1, this, results_.light, QStringLiteral("After 48 hrs"),
                      QStringLiteral("Max depth of detection"));
    rebuildSoilSeries(*Chart2, this, results_.heavy, QString(), QString());
    // The 48-hour bands are not drawn; they still convert depths to rows.
    Chart1->series(0)->setActive(false);
    Chart2->series(0)->setActive(false);
}

void TForm1::colourMarkers()
{
    colourMarker(*Shape1, *LtSD, results_.light);
    colourMarker(*Shape2, *LtDD, results_.light);
    colourMarker(*Shape3, *HvSD, results_.heavy);
    colourMarker(*Shape4, *HvDD, results_.heavy);
}

void TForm1::setLinesAndWarnings()
{
    layOutBeforeFirstPaint(*Chart1);
    layOutBeforeFirstPaint(*Chart2);

    const auto rootZoneLine = static_cast<double>(roundToInteger(results_.rootZone.value()));
    ChartTool1->setValue(rootZoneLine);
    ChartTool2->setValue(rootZoneLine);
    set24HourLine(*ChartTool3, *warn24h, results_.light);
    set24HourLine(*ChartTool4, *warn24h2, results_.heavy);
    const double appliedDepth = results_.appliedDepth.value();
    setAppliedWaterBar(*ChartTool5, *Chart1, appliedDepth);
    setAppliedWaterBar(*ChartTool6, *Chart2, appliedDepth);
}

void TForm1::Chart1AfterDraw()
{
    // Chart2's markers move here too: a redraw of Chart2 alone leaves them.
    placeMarker(*Shape1, Chart1->leftAxis().pixelOf(detectorDepth(*LtSD)));
    placeMarker(*Shape2, rowThroughFront48hSeries(*Chart1, detectorDepth(*LtDD)));
    placeMarker(*Shape3, Chart2->leftAxis().pixelOf(detectorDepth(*HvSD)));
    placeMarker(*Shape4, rowThroughFront48hSeries(*Chart2, detectorDepth(*HvDD)));
}
