#pragma once
// What every series has: its chart, its points kept in ascending X order,
// per-point colours, its colour, and its axes (the bottom and the left one). A series is owned by whoever created it
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

class ChartSeries : public QObject, public ChartObject {
public:
    explicit ChartSeries(QObject* owner = nullptr);
    ~ChartSeries() override;

    // Set by Chart::addSeries.
    Chart* parentChart() const { return parentChart_; }

    // An inactive series draws nothing and does not make axes visible, but
    // stays attached to its axes and converts values like an active one.
    bool isActive() const { return active_; }
    void setActive(bool active) { assign(active_, active); }
    QString title() const { return title_; }
    void setTitle(const QString& title) { assign(title_, title); }
    // Drawn where a point has no colour of its own; black unless set.
    QColor seriesColor() const { return seriesColor_; }
    void setSeriesColor(QColor color) { assign(seriesColor_, color); }

    // Inserts a point at its place in ascending X order (after points with an
    // equal X) and returns the index it was stored at. The colour is kept
    // when it is valid or once any point has a colour.
    int addPoint(double x, double y, QColor color = QColor());
    int count() const { return static_cast<int>(xValues_.size()); }
    const std::vector<double>& xValues() const { return xValues_; }
    const std::vector<double>& yValues() const { return yValues_; }
    // The colour point `index` is drawn in: its own colour when valid, else
    // seriesColor.
    QColor pointColor(int index) const;

    // The series' axes on its chart, the bottom and the left one; nullptr
    // when the series is in no chart.
    ChartAxis* horizontalAxis() const;
    ChartAxis* verticalAxis() const;
    bool usesAxis(const ChartAxis& axis) const;

    // draws the series into the plot; the chart has set any clipping.
    virtual void draw(QPainter& painter, const ChartRect& plot) const = 0;

private:
    friend class Chart;

    Chart* parentChart_ = nullptr;
    bool active_ = true;
    QString title_;
    QColor seriesColor_ = colours::black;
    std::vector<double> xValues_;
    std::vector<double> yValues_;
    std::vector<QColor> colors_;  // empty until a point has a colour
};

}  // namespace morvane
