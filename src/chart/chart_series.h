#pragma once
// What every series has: its chart, its points kept in ascending X order,
// per-point colours and labels, its colour, its axes, and the conversion of
// values to pixels on those axes. A series is owned by whoever created it
// (its QObject parent); the chart only refers to it, except that removing
// all series of a chart frees them. Freeing a series removes it from its
// chart.

#include "chart_colors.h"
#include "chart_object.h"
#include "chart_rect.h"

#include <QObject>
#include <QPainter>
#include <QString>

#include <vector>

namespace morvane {

class TChart;
class TChartAxis;

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

class TChartSeries : public QObject, public TChartObject {
public:
    explicit TChartSeries(QObject* owner = nullptr);
    ~TChartSeries() override;

    // Setting a chart is the same as TChart::AddSeries; nullptr removes the
    // series from its chart without freeing it.
    TChart* ParentChart() const { return parentChart_; }
    void SetParentChart(TChart* chart);

    // An inactive series draws nothing and does not make axes visible, but
    // stays attached to its axes and converts values like an active one.
    bool Active() const { return active_; }
    void SetActive(bool active) { Assign(active_, active); }
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { Assign(title_, title); }
    // clDefault until the series is added to a chart, which then hands it
    // the first palette colour no other of its series uses.
    TColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TColor color) { Assign(seriesColor_, color); }
    bool ColorEachPoint() const { return colorEachPoint_; }
    void SetColorEachPoint(bool value) { Assign(colorEachPoint_, value); }
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis axis) { Assign(horizAxis_, axis); }
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis axis) { Assign(vertAxis_, axis); }

    // Inserts a point at its place in ascending X order (after points with an
    // equal X) and returns the index it was stored at. The colour is kept
    // when it is not clDefault or once any point has a colour; the label
    // when it is not empty.
    int AddXY(double x, double y, const QString& label = {}, TColor color = clDefault);
    void Clear();
    int Count() const { return static_cast<int>(xValues_.size()); }
    const std::vector<double>& XValues() const { return xValues_; }
    const std::vector<double>& YValues() const { return yValues_; }
    QString Label(int index) const;
    // The colour point `index` is drawn in: its own colour unless clDefault,
    // else palette entry (index mod 20) with ColorEachPoint, else
    // SeriesColor.
    TColor PointColor(int index) const;

    // The series' axes on its chart (the bottom and left ones for "both");
    // nullptr when the series is in no chart.
    TChartAxis* GetHorizAxis() const;
    TChartAxis* GetVertAxis() const;
    bool UsesAxis(const TChartAxis& axis) const;
    // Pixels of values on the series' axes; 0 when in no chart.
    int CalcXPosValue(double value) const;
    int CalcYPosValue(double value) const;

    // Value extents for automatic axes; false when there are no points.
    virtual bool XExtent(double& minimum, double& maximum) const;
    virtual bool YExtent(double& minimum, double& maximum) const;

    // Draws the series into the plot; the chart has set any clipping.
    virtual void Draw(QPainter& painter, const TChartRect& plot) const = 0;

private:
    friend class TChart;

    TChart* parentChart_ = nullptr;
    bool active_ = true;
    QString title_;
    TColor seriesColor_ = clDefault;
    bool colorEachPoint_ = false;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    std::vector<double> xValues_;
    std::vector<double> yValues_;
    std::vector<TColor> colors_;   // empty until a point has a colour
    std::vector<QString> labels_;  // empty until a point has a label
};

}  // namespace morvane
