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
// computed by a full redraw, or by CalculateLayout() without painting, and
// kept until the next one; before either, every axis converts any value to 0.

#include "area_series.h"
#include "back_wall.h"
#include "chart_axis.h"
#include "chart_title.h"
#include "color_line_tool.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace morvane {

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TChart : public QWidget {
    Q_OBJECT

public:
    // The axes list, in this fixed order.
    enum AxisIndex { BottomAxisIndex, TopAxisIndex, LeftAxisIndex, RightAxisIndex, DepthAxisIndex };
    static constexpr int AxisCount = 5;

    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    // --- panel ---
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // Margins in whole percent of the panel's width (left, right) or height.
    int MarginLeft() const { return margins_.Left; }
    void SetMarginLeft(int percent);
    int MarginTop() const { return margins_.Top; }
    void SetMarginTop(int percent);
    int MarginRight() const { return margins_.Right; }
    void SetMarginRight(int percent);
    int MarginBottom() const { return margins_.Bottom; }
    void SetMarginBottom(int percent);
    // False hides every axis.
    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool visible);
    // True draws the axes before the series, false after them.
    bool AxisBehind() const { return axisBehind_; }
    void SetAxisBehind(bool behind);
    // True clips the series to the plot interior.
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool clip);

    TChartTitle& Title() { return title_; }
    TChartBackWall& BackWall() { return backWall_; }

    // --- axes ---
    TChartAxis& Axes(int index) { return *axes_.at(static_cast<std::size_t>(index)); }
    const TChartAxis& Axes(int index) const { return *axes_.at(static_cast<std::size_t>(index)); }
    TChartAxis& BottomAxis() { return Axes(BottomAxisIndex); }
    TChartAxis& TopAxis() { return Axes(TopAxisIndex); }
    TChartAxis& LeftAxis() { return Axes(LeftAxisIndex); }
    TChartAxis& RightAxis() { return Axes(RightAxisIndex); }
    TChartAxis& DepthAxis() { return Axes(DepthAxisIndex); }
    // Whether the axis takes room and is drawn: AxisVisible and its Visible,
    // and, when the chart has active series, at least one of them on it.
    // The depth axis belongs to three-dimensional views and never shows in
    // this flat chart.
    bool IsAxisVisible(const TChartAxis& axis) const;

    // --- series (drawn in list order) ---
    // Appends the series (taking it from another chart first); a series
    // without a colour gets the first unused palette colour. Nothing happens
    // when it is already in this chart.
    void AddSeries(TChartSeries* series);
    // Detaches the series without freeing it.
    void RemoveSeries(TChartSeries* series);
    // Detaches and frees every series, in list order.
    void RemoveAllSeries();
    // Detaches and frees the series of class T only.
    template <class T>
    void RemoveAllSeries()
    {
        RemoveAllSeriesWhere([](const TChartSeries* s) { return dynamic_cast<const T*>(s); });
    }
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TChartSeries* Series(int index) const { return series_.at(static_cast<std::size_t>(index)); }
    bool HasActiveSeries() const;

    // --- tools (owned by the chart, called in list order) ---
    TColorLineTool& AddColorLineTool();
    int ToolCount() const { return static_cast<int>(tools_.size()); }
    TChartTool& Tool(int index) const { return *tools_.at(static_cast<std::size_t>(index)); }

    // Called once at the end of every full redraw, never on a paint served
    // from the picture. Axis conversions already use the new layout here.
    std::function<void(TChart*)> OnAfterDraw;

    // --- layout and redraw ---
    // The panel bounds and the plot rectangle of the most recent full redraw
    // (or CalculateLayout()); all zero before.
    TChartRect ChartBounds() const { return bounds_; }
    TChartRect PlotRect() const { return plot_; }
    // Lays out the plot rectangle and the axes as a full redraw would, without
    // painting and without calling OnAfterDraw, so that conversions are
    // right before the chart is first shown. The chart stays marked for its
    // full redraw.
    void CalculateLayout();
    // Marks the chart for a full redraw and asks Qt to repaint it.
    void Invalidate();
    bool NeedsFullRedraw() const { return needsFullRedraw_; }
    // One full redraw onto `painter`, in logical pixels: lays out, paints,
    // calls OnAfterDraw. The widget uses it to fill its picture cache.
    void Draw(QPainter& painter);
    // Makes a full redraw into the picture cache (device-pixel-ratio aware)
    // and marks the chart clean; paintEvent does this when needed.
    void RedrawCache();
    const QPixmap& Cache() const { return cache_; }
    // A full redraw into a new image of the panel's size (one pixel per
    // logical pixel).
    QImage RenderToImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <class T>
    void SetProperty(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void RemoveAllSeriesWhere(const std::function<bool(const TChartSeries*)>& matches);
    void Detach(TChartSeries* series);
    TColor FreePaletteColor() const;
    void ComputeLayout(QPainter* painter);
    void ApplyAxisRanges();
    TChartRect ReduceByAxes(const TChartRect& plot);
    void DrawPanel(QPainter& painter) const;
    void DrawSeries(QPainter& painter) const;
    void DrawAxes(QPainter& painter);
    void NotifyTools(TChartToolEvent event, QPainter& painter);

    TColor color_ = clBtnFace;
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int borderWidth_ = 0;
    TChartMargins margins_;
    bool axisVisible_ = true;
    bool axisBehind_ = true;
    bool clipPoints_ = true;
    TChartTitle title_;
    TChartBackWall backWall_;
    std::array<std::unique_ptr<TChartAxis>, AxisCount> axes_;
    std::vector<TChartSeries*> series_;
    std::vector<std::unique_ptr<TChartTool>> tools_;

    TChartRect bounds_;
    TChartRect plot_;
    bool needsFullRedraw_ = true;
    QPixmap cache_;
};

}  // namespace morvane
