#pragma once
// The chart panel: a flat chart with five axes, a list of series and a list
// of tools, painted into an off-screen picture that is copied to the screen.
//
// Every property change anywhere in the chart (its own, its axes', walls',
// titles', tools', series' and their pens') marks the chart for one full
// redraw and asks Qt to repaint; many changes in a row cause one full redraw,
// at the next paint. A paint with no change since the last full redraw only
// copies the picture. Child widgets of the panel are painted by Qt over the
// picture either way.
//
// The layout (plot rectangle, axis pixel ends and scales, tick lists) is
// computed by a full redraw and kept until the next one; before the first,
// every axis converts any value to 0. Code that needs an axis's map before
// or between full redraws asks axisMap(), which works it out from the
// chart's size, margins, fonts and series by the same rule.

#include "area_series.h"
#include "back_wall.h"
#include "chart_axis.h"
#include "color_line.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace morvane {

// What a full redraw lays out: the panel bounds, the plot rectangle and
// each axis's scale and column edges, in the axes list's order.
struct ChartLayout {
    struct Axis {
        AxisScale scale;
        AxisColumns columns;
    };
    ChartRect bounds;
    ChartRect plot;
    std::array<Axis, 5> axes;
};

class Chart : public QWidget {
    Q_OBJECT

public:
    // The axes list, in this fixed order.
    enum AxisIndex { BottomAxisIndex, TopAxisIndex, LeftAxisIndex, RightAxisIndex, DepthAxisIndex };
    static constexpr int AxisCount = 5;

    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    // --- panel ---
    QColor color() const { return color_; }
    void setColor(QColor color);
    // Margins in whole percent of the panel's width (left, right) or height.
    int marginLeft() const { return margins_.left; }
    int marginTop() const { return margins_.top; }
    void setMarginTop(int percent);
    int marginRight() const { return margins_.right; }
    int marginBottom() const { return margins_.bottom; }
    BackWall& backWall() { return backWall_; }

    // --- axes ---
    ChartAxis& axes(int index) { return *axes_.at(static_cast<std::size_t>(index)); }
    const ChartAxis& axes(int index) const { return *axes_.at(static_cast<std::size_t>(index)); }
    ChartAxis& bottomAxis() { return axes(BottomAxisIndex); }
    ChartAxis& topAxis() { return axes(TopAxisIndex); }
    ChartAxis& leftAxis() { return axes(LeftAxisIndex); }
    ChartAxis& rightAxis() { return axes(RightAxisIndex); }
    ChartAxis& depthAxis() { return axes(DepthAxisIndex); }
    // Whether the axis takes room and is drawn: its own isVisible() and, when the chart has active series, at least one of them on it.
    // The depth axis belongs to three-dimensional views and never shows in
    // this flat chart.
    bool isAxisVisible(const ChartAxis& axis) const;

    // --- series (drawn in list order) ---
    // Appends the series (taking it from another chart first). Nothing
    // happens when it is already in this chart.
    void addSeries(ChartSeries* series);
    // Detaches the series without freeing it.
    void removeSeries(ChartSeries* series);
    // Detaches and frees every series, in list order.
    void removeAllSeries();
    int seriesCount() const { return static_cast<int>(series_.size()); }
    ChartSeries* series(int index) const { return series_.at(static_cast<std::size_t>(index)); }
    bool hasActiveSeries() const;

    // --- colour lines (owned by the chart, drawn in list order) ---
    ColorLine& addColorLine();

    // --- layout and redraw ---
    // The panel bounds and the plot rectangle of the most recent full redraw;
    // all zero before.
    ChartRect chartBounds() const { return bounds_; }
    ChartRect plotRect() const { return plot_; }
    // The layout a full redraw would make now, worked out without painting
    // and kept until the chart changes or is resized.
    const ChartLayout& layOut() const;
    // The value-to-pixel map the axis at `index` of the axes list would get
    // from a full redraw now: on the soil charts' depth axis depth 0 is row
    // 40 and depth 600 row 385, before the chart is first painted too.
    AxisMap axisMap(int index) const;
    // Marks the chart for a full redraw and asks Qt to repaint it.
    void invalidate();
    bool needsFullRedraw() const { return needsFullRedraw_; }
    // One full redraw onto `painter`, in logical pixels: lays out, paints,
    // calls redrawn(). The widget uses it to fill its picture cache.
    void draw(QPainter& painter);
    // Makes a full redraw into the picture cache (device-pixel-ratio aware)
    // and marks the chart clean; paintEvent does this when needed.
    void redrawCache();
    const QPixmap& cache() const { return cache_; }
    // A full redraw into a new image of the panel's size (one pixel per
    // logical pixel).
    QImage renderToImage();

signals:
    // Emitted once at the end of every full redraw, never on a paint served
    // from the picture. Axis conversions already use the new layout here.
    void redrawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <class T>
    void setProperty(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        invalidate();
    }
    void detach(ChartSeries* series);
    ChartLayout computeLayout() const;
    void applyLayout(const ChartLayout& layout);
    void drawSeries(QPainter& painter) const;
    void drawAxes(QPainter& painter);
    void drawBackground(QPainter& painter);
    void drawForeground(QPainter& painter) const;

    // What the background picture was drawn for, besides the properties of
    // the chart, its axes and its wall (whose changes mark it stale): the
    // series decide which axes show and so where the plot lies.
    struct BackgroundKey {
        QSize physical;
        qreal ratio = 0;
        ChartRect plot;
        std::array<bool, AxisCount> visibleAxes{};
        friend bool operator==(const BackgroundKey&, const BackgroundKey&) = default;
    };
    BackgroundKey backgroundKey(QSize physical, qreal ratio) const;
    void refreshBackground(QSize physical, qreal ratio);
    void invalidateBackground();

    QColor color_ = colours::buttonFace;
    ChartMargins margins_;
    BackWall backWall_;
    std::array<std::unique_ptr<ChartAxis>, AxisCount> axes_;
    std::vector<ChartSeries*> series_;
    std::vector<std::unique_ptr<ColorLine>> colorLines_;

    ChartRect bounds_;
    ChartRect plot_;
    bool needsFullRedraw_ = true;
    QPixmap cache_;
    QPixmap background_;
    BackgroundKey backgroundKey_;
    bool backgroundStale_ = true;
    mutable std::optional<ChartLayout> currentLayout_;
    mutable QSize currentLayoutSize_;
};

}  // namespace morvane
