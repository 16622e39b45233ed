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

constexpr TColor kSand = 10930928;  // RGB 240, 202, 166
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

TChart* createSoilChart(QWidget* parent, const SoilChartDesign& design)
{
    auto* chart = new TChart(parent);
    chart->setObjectName(QString::fromLatin1(design.name));
    chart->setGeometry(design.geometry);
    chart->SetColor(kSand);
    chart->SetBevelOuter(bvNone);
    chart->SetMarginTop(10);
    chart->Title().SetCustomPosition(true);
    chart->Title().SetLeft(design.titleLeft);
    chart->Title().SetTop(0);
    chart->Title().SetText({design.titleText});

    TChartAxis& across = chart->BottomAxis();
    across.SetAutomatic(false);
    across.SetMinMax(0, 1);
    across.SetVisible(false);

    TChartAxis& depth = chart->LeftAxis();
    depth.SetAutomatic(false);
    depth.SetMinMax(0, kDepthRange);
    depth.SetInverted(true);
    depth.Title().SetCaption(QString::fromLatin1(design.depthCaption));
    depth.Title().Font().SetHeight(13);
    depth.Title().Font().SetBold(true);
    return chart;
}

// A line across the chart at a depth. The engine's lines take no mouse
// input, so the user cannot drag them.
TColorLineTool* addDepthLine(TChart& chart, TColor colour, int width,
                             TPenEndStyle endStyle = esRound)
{
    TColorLineTool& line = chart.AddColorLineTool();
    line.SetAxisID(TChart::LeftAxisIndex);
    line.Pen().SetColor(colour);
    line.Pen().SetWidth(width);
    line.Pen().SetEndStyle(endStyle);
    return &line;
}

TShape* addMarker(TChart* chart, const char* name, int top, bool visible)
{
    auto* marker = new TShape(chart, QString::fromLatin1(name),
                              QRect(kMarkerLeft, top, kMarkerSize, kMarkerSize),
                              ToQColor(clYellow), ToQColor(clWhite));
    marker->setVisible(visible);
    return marker;
}

// Removes the chart's series and builds the 48-hour band (first) and the
// detection-zone band (second), each from the surface across the plot.
void rebuildSoilSeries(TChart& chart, QObject* owner, const SoilDepths& depths,
                       const QString& front48hTitle, const QString& detectionTitle)
{
    chart.RemoveAllSeries();
    auto* front48h = new TAreaSeries(owner);
    auto* detection = new TAreaSeries(owner);
    chart.AddSeries(front48h);
    chart.AddSeries(detection);
    const auto addBand = [](TAreaSeries& series, double depth, TColor colour,
                            const QString& title) {
        series.AddXY(0, depth, QString(), colour);
        series.AddXY(10, depth, QString(), colour);
        series.SetUseYOrigin(true);
        series.SetTitle(title);
    };
    addBand(*front48h, depths.front48h.value(), clSkyBlue, front48hTitle);
    addBand(*detection, depths.maxDetectionDepth.value(), clBlue, detectionTitle);
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
    marker.setBrushColour(ToQColor(belowWettedZone ? clYellow : clRed));
}

// The 24-hour line sits on the front, or on the surface for a front above
// it, and shows only when the front has passed the detection zone.
void set24HourLine(TColorLineTool& line, TLabel& warning, const SoilDepths& depths)
{
    const double front = depths.front24h.value();
    line.SetValue(std::max(0.0, front));
    warning.setVisible(front > kDepthRange);
    line.SetActive(line.Value() >= depths.maxDetectionDepth.value());
}

// The bar stands on the surface and is as thick as the applied depth.
void setAppliedWaterBar(TColorLineTool& bar, TChart& chart, double appliedDepth)
{
    bar.SetValue(-appliedDepth / 2);
    bar.Pen().SetWidth(chart.LeftAxis().CalcSizeValue(appliedDepth));
}

// Depth conversions need the chart's display layout, which a chart gets at
// its first paint; before that every depth converts to 0. Laying the chart
// out now gives its lines their display thickness from the first paint on.
void layOutBeforeFirstPaint(TChart& chart)
{
    if (chart.ChartBounds().Width() == 0)
        chart.CalculateLayout();
}

void placeMarker(TShape& marker, int depthRow)
{
    marker.move(kMarkerLeft, depthRow - kMarkerSize / 2);
}

// The deep markers take the route through the chart's 48-hour series, which
// stays on the depth axis though it draws nothing.
// Before the first run there is no such series; the depth axis gives the
// same row.
int rowThroughFront48hSeries(TChart& chart, double depth)
{
    if (chart.SeriesCount() == 0)
        return chart.LeftAxis().CalcPosValue(depth);
    return chart.Series(0)->CalcYPosValue(depth);
}

}  // namespace

void TForm1::createSoilCharts()
{
    Chart1 = createSoilChart(Panel1, {"Chart1", QRect(64, 192, 137, 401), 50, QString(),
                                      "Soil Depth (mm)"});
    Chart2 = createSoilChart(Panel1, {"Chart2", QRect(240, 192, 137, 401), 37,
                                      QStringLiteral(" "), "Soil depth (mm)"});
    ChartTool1 = addDepthLine(*Chart1, clYellow, 3);
    ChartTool2 = addDepthLine(*Chart2, clYellow, 3);
    ChartTool3 = addDepthLine(*Chart1, clGreen, 3);
    ChartTool4 = addDepthLine(*Chart2, clGreen, 3);
    ChartTool5 = addDepthLine(*Chart1, clFuchsia, 21, esFlat);
    ChartTool6 = addDepthLine(*Chart2, clFuchsia, 20, esFlat);

    Shape1 = addMarker(Chart1, "Shape1", 200, true);
    Shape2 = addMarker(Chart1, "Shape2", 288, false);
    Shape3 = addMarker(Chart2, "Shape3", 112, true);
    Shape4 = addMarker(Chart2, "Shape4", 232, false);

    // Runs while the chart paints: a failure is shown once the paint is over.
    Chart1->OnAfterDraw = [this](TChart*) {
        try {
            Chart1AfterDraw();
        } catch (...) {
            TApplication* application = TApplication::instance();
            if (!application)
                throw;
            application->handleExceptionLater(std::current_exception());
        }
    };
    Chart2->OnAfterDraw = [this](TChart*) { Chart2AfterDraw(); };
}

void TForm1::rebuildSeries()
{
    rebuildSoilSeries(*Chart1, this, results_.light, QStringLiteral("After 48 hrs"),
                      QStringLiteral("Max depth of detection"));
    rebuildSoilSeries(*Chart2, this, results_.heavy, QString(), QString());
    // The 48-hour bands are not drawn; they still convert depths to rows.
    Chart1->Series(0)->SetActive(false);
    Chart2->Series(0)->SetActive(false);
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
    ChartTool1->SetValue(rootZoneLine);
    ChartTool2->SetValue(rootZoneLine);
    set24HourLine(*ChartTool3, *warn24h, results_.light);
    set24HourLine(*ChartTool4, *warn24h2, results_.heavy);
    const double appliedDepth = results_.appliedDepth.value();
    setAppliedWaterBar(*ChartTool5, *Chart1, appliedDepth);
    setAppliedWaterBar(*ChartTool6, *Chart2, appliedDepth);
}

void TForm1::Chart1AfterDraw()
{
    // Chart2's markers move here too: a redraw of Chart2 alone leaves them.
    placeMarker(*Shape1, Chart1->LeftAxis().CalcPosValue(detectorDepth(*LtSD)));
    placeMarker(*Shape2, rowThroughFront48hSeries(*Chart1, detectorDepth(*LtDD)));
    placeMarker(*Shape3, Chart2->LeftAxis().CalcPosValue(detectorDepth(*HvSD)));
    placeMarker(*Shape4, rowThroughFront48hSeries(*Chart2, detectorDepth(*HvDD)));
}
