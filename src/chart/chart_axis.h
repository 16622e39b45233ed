#pragma once
// One axis of a chart: its properties, and the layout it keeps from the most
// recent full redraw of its chart (scale, pixel ends, label and title column
// edges, label step, tick list). The arithmetic is axis_scale.h, the room the
// axis takes and its label measurement axis_layout.cpp, its drawing
// axis_painter.h.

#include "axis_scale.h"
#include "axis_label_text.h"
#include "chart_font.h"
#include "chart_pen.h"
#include "chart_rect.h"

#include <QString>

#include <vector>

namespace morvane {

// Where an axis sits; fixed when the chart creates it.
enum class AxisPlace { Left, Top, Right, Bottom, Depth };

class AxisTitle : public ChartObject {
public:
    explicit AxisTitle(int angle);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption) { assign(caption_, caption); }
    // Degrees anticlockwise; 90 reads upwards.
    int angle() const { return angle_; }
    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    ChartFont& font() { return font_; }
    const ChartFont& font() const { return font_; }

    // True when the title takes room and is drawn.
    bool shows() const { return visible_ && !caption_.isEmpty(); }

private:
    QString caption_;
    int angle_;
    bool visible_ = true;
    ChartFont font_;
};

// The plot-side edges of an axis's title and label columns.
struct AxisColumns {
    int labelEdge = 0;
    int titleEdge = 0;
};

// What an axis computes during a full redraw and keeps until the next one.
struct AxisLayout {
    AxisScale scale;
    int axisLinePos = 0;
    int labelEdge = 0;  // plot-side edge of the label column
    int titleEdge = 0;  // plot-side edge of the title column
    double labelStep = 0;
    std::vector<int> ticks;  // label pixels in drawing order
};

class ChartAxis : public ChartObject {
public:
    explicit ChartAxis(AxisPlace place);

    AxisPlace place() const { return place_; }
    bool horizontal() const { return place_ == AxisPlace::Top || place_ == AxisPlace::Bottom; }
    // True for the right and the top axis.
    bool otherSide() const { return place_ == AxisPlace::Right || place_ == AxisPlace::Top; }
    bool isDepthAxis() const { return place_ == AxisPlace::Depth; }

    // --- scaling ---
    // The value range, fixed: [minimum, maximum], both finite, minimum <=
    // maximum; 0..0 until set.
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    void setMinMax(double minimum, double maximum);
    bool inverted() const { return inverted_; }
    void setInverted(bool value) { assign(inverted_, value); }
    bool isVisible() const { return visible_; }
    void setVisible(bool value) { assign(visible_, value); }
    double startPosition() const { return startPosition_; }
    double endPosition() const { return endPosition_; }
    double positionPercent() const { return positionPercent_; }

    // --- labels ---
    bool labels() const { return labels_; }
    ChartFont& labelsFont() { return labelsFont_; }
    const ChartFont& labelsFont() const { return labelsFont_; }
    // Room for the labels in pixels; 0 measures the texts.
    int labelsSize() const { return labelsSize_; }
    // Gap between labels, percent of a label's size.
    int labelsSeparation() const { return labelsSeparation_; }
    bool labelsOnAxis() const { return labelsOnAxis_; }
    bool roundFirstLabel() const { return roundFirstLabel_; }

    // --- lines ---
    ChartPen& axis() { return axisPen_; }
    const ChartPen& axis() const { return axisPen_; }
    ChartPen& ticks() { return ticks_; }
    const ChartPen& ticks() const { return ticks_; }
    int tickLength() const { return tickLength_; }
    ChartPen& ticksInner() { return ticksInner_; }
    const ChartPen& ticksInner() const { return ticksInner_; }
    int tickInnerLength() const { return tickInnerLength_; }
    ChartPen& minorTicks() { return minorTicks_; }
    const ChartPen& minorTicks() const { return minorTicks_; }
    int minorTickLength() const { return minorTickLength_; }
    int minorTickCount() const { return minorTickCount_; }
    // A grid pen with an invalid colour draws gray.
    ChartPen& grid() { return grid_; }
    const ChartPen& grid() const { return grid_; }
    ChartPen& minorGrid() { return minorGrid_; }
    const ChartPen& minorGrid() const { return minorGrid_; }

    // --- title ---
    AxisTitle& title() { return title_; }
    const AxisTitle& title() const { return title_; }
    // Room for the title in pixels; 0 measures it.
    int titleSize() const { return titleSize_; }

    // --- conversions, on the layout of the most recent full redraw ---
    // (0 for every value before the chart's first full redraw or layout)
    int pixelOf(double value) const { return layout_.scale.pixelOf(value); }
    int pixelLengthOf(double value) const { return layout_.scale.pixelLengthOf(value); }
    double valueAt(int pixel) const { return layout_.scale.valueAt(pixel); }

    // --- used by the chart while it lays out and draws ---
    const AxisLayout& layout() const { return layout_; }
    AxisLayout& layout() { return layout_; }
    // The scale of the range with its pixel ends on `plot` (startPosition,
    // endPosition).
    AxisScale scaleOn(const ChartRect& plot) const;
    // The rectangle left after this axis takes room for its title, labels
    // and ticks, the labels measured on `scale`; `columns` receives the
    // title and label column edges.
    ChartRect reduceRect(const ChartRect& rect, const AxisScale& scale,
                         AxisColumns& columns) const;
    // Keeps a layout worked out by the chart until the next one.
    void applyLayout(const AxisScale& scale, const AxisColumns& columns);
    // The label step on `scale` with the label font.
    double labelStep(const AxisScale& scale) const;
    QString labelText(double value) const { return axisLabelText(value); }

private:
    void connectParts();
    int labelExtent(const AxisScale& scale) const;
    int widestLabelWidth(const AxisScale& scale) const;
    int tickRoom() const;

    AxisPlace place_;
    double minimum_ = 0;
    double maximum_ = 0;
    bool inverted_ = false;
    bool visible_ = true;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;

    bool labels_ = true;
    ChartFont labelsFont_;
    int labelsSize_ = 0;
    int labelsSeparation_ = 10;
    bool labelsOnAxis_ = true;
    bool roundFirstLabel_ = true;

    ChartPen axisPen_{colours::black, 2};
    ChartPen ticks_{colours::gray, 1};
    int tickLength_ = 4;
    ChartPen ticksInner_{colours::gray, 1};
    int tickInnerLength_ = 0;
    ChartPen minorTicks_{colours::gray, 1};
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    ChartPen grid_{colours::gray, 1, Qt::DotLine};
    ChartPen minorGrid_{colours::gray, 1, Qt::DotLine, false};

    AxisTitle title_;
    int titleSize_ = 0;

    AxisLayout layout_;
};

}  // namespace morvane
