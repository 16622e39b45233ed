#pragma once
// What every series has: its chart, its points kept in ascending X order,
// per-point colours and labels, its colour, its axes, and the conversion of
// values to pixels on those axes. A series is owned by whoever created it
// (its QObject parent); the chart only refers to it, except that removing
// all series of a chart frees them. Freeing a series removes it from its
// chart.

#include "colours.h"
#include "chart_object.h"
#include "chart_rect.h"

#include <QObject>
#include <QPainter>
#include <QString>

#include <vector>

namespace morvane {

class Chart;
class ChartAxis;

enum class HorizontalAxisSide { Top, Bottom, Both };
enum class VerticalAxisSide { Left, Right, Both };

class ChartSeries : public QObject, public ChartObject {
public:
    explicit ChartSeries(QObject* owner = nullptr);
    ~ChartSeries() override;

    // Setting a chart is the same as Chart::addSeries; nullptr removes the
    // series from its chart without freeing it.
    Chart* parentChart() const { return parentChart_; }
    void setParentChart(Chart* chart);

    // An inactive series draws nothing and does not make axes visible, but
    // stays attached to its axes and converts values like an active one.
    bool isActive() const { return active_; }
    void setActive(bool active) { assign(active_, active); }
    QString title() const { return title_; }
    void setTitle(const QString& title) { assign(title_, title); }
    // Invalid until the series is added to a chart, which then hands it
    // the first palette colour no other of its series uses.
    QColor seriesColor() const { return seriesColor_; }
    void setSeriesColor(QColor color) { assign(seriesColor_, color); }
    bool colorEachPoint() const { return colorEachPoint_; }
    void setColorEachPoint(bool value) { assign(colorEachPoint_, value); }
    HorizontalAxisSide horizontalAxisSide() const { return horizAxis_; }
    VerticalAxisSide verticalAxisSide() const { return vertAxis_; }

    // Inserts a point at its place in ascending X order (after points with an
    // equal X) and returns the index it was stored at. The colour is kept
    // when it is valid or once any point has a colour; the label
    // when it is not empty.
    int addPoint(double x, double y, const QString& label = {}, QColor color = QColor());
    void clear();
    int count() const { return static_cast<int>(xValues_.size()); }
    const std::vector<double>& xValues() const { return xValues_; }
    const std::vector<double>& yValues() const { return yValues_; }
    QString label(int index) const;
    // The colour point `index` is drawn in: its own colour when valid,
    // else palette entry (index mod 20) with colorEachPoint, else
    // seriesColor.
    QColor pointColor(int index) const;

    // The series' axes on its chart (the bottom and left ones for "both");
    // nullptr when the series is in no chart.
    ChartAxis* horizontalAxis() const;
    ChartAxis* verticalAxis() const;
    bool usesAxis(const ChartAxis& axis) const;
    // Pixels of values on the series' axes; 0 when in no chart.
    int xPixelOf(double value) const;
    int yPixelOf(double value) const;

    // value extents for automatic axes; false when there are no points.
    virtual bool xExtent(double& minimum, double& maximum) const;
    virtual bool yExtent(double& minimum, double& maximum) const;

    // draws the series into the plot; the chart has set any clipping.
    virtual void draw(QPainter& painter, const ChartRect& plot) const = 0;

private:
    friend class Chart;

    Chart* parentChart_ = nullptr;
    bool active_ = true;
    QString title_;
    QColor seriesColor_ = QColor();
    bool colorEachPoint_ = false;
    HorizontalAxisSide horizAxis_ = HorizontalAxisSide::Bottom;
    VerticalAxisSide vertAxis_ = VerticalAxisSide::Left;
    std::vector<double> xValues_;
    std::vector<double> yValues_;
    std::vector<QColor> colors_;   // empty until a point has a colour
    std::vector<QString> labels_;  // empty until a point has a label
};

}  // namespace morvane
