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
enum class TAxisPlace { Left, Top, Right, Bottom, Depth };

class TChartAxisTitle : public TChartObject {
public:
    explicit TChartAxisTitle(int angle);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { Assign(caption_, caption); }
    // Degrees anticlockwise; 90 reads upwards.
    int Angle() const { return angle_; }
    void SetAngle(int angle) { Assign(angle_, angle); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Assign(visible_, visible); }
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

    // True when the title takes room and is drawn.
    bool Shows() const { return visible_ && !caption_.isEmpty(); }

private:
    QString caption_;
    int angle_;
    bool visible_ = true;
    TChartFont font_;
};

// What an axis computes during a full redraw and keeps until the next one.
struct TAxisLayout {
    TAxisScale Scale;
    int AxisLinePos = 0;
    int LabelEdge = 0;  // plot-side edge of the label column
    int TitleEdge = 0;  // plot-side edge of the title column
    double LabelStep = 0;
    std::vector<int> Ticks;  // label pixels in drawing order
};

class TChartAxis : public TChartObject {
public:
    explicit TChartAxis(TAxisPlace place);

    TAxisPlace Place() const { return place_; }
    bool Horizontal() const { return place_ == TAxisPlace::Top || place_ == TAxisPlace::Bottom; }
    // True for the right and the top axis.
    bool OtherSide() const { return place_ == TAxisPlace::Right || place_ == TAxisPlace::Top; }
    bool IsDepthAxis() const { return place_ == TAxisPlace::Depth; }

    // --- scaling ---
    // Automatic scaling takes the axis ends from the active series on it.
    // Setting Automatic sets AutomaticMinimum and AutomaticMaximum with it.
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value) { Assign(automaticMinimum_, value); }
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value) { Assign(automaticMaximum_, value); }
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    // Throws ChartException "Axis Minimum Value must be <= Maximum" when the
    // value is above Maximum, and refuses values that are not finite; the
    // axis keeps its previous value.
    void SetMinimum(double value);
    // Throws "Axis Maximum Value must be >= Minimum" when below Minimum.
    void SetMaximum(double value);
    // Sets both at once (minimum <= maximum is required, with the minimum's
    // message) and turns automatic scaling off; handy when a new range lies
    // entirely beyond the old one.
    void SetMinMax(double minimum, double maximum);
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value) { Assign(inverted_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Assign(visible_, value); }
    // The label step when above 0; 0 chooses it from the room available.
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double percent);
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double percent);
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double percent);

    // --- labels ---
    bool Labels() const { return labels_; }
    void SetLabels(bool value) { Assign(labels_, value); }
    TChartFont& LabelsFont() { return labelsFont_; }
    const TChartFont& LabelsFont() const { return labelsFont_; }
    // Room for the labels in pixels; 0 measures the texts.
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value) { Assign(labelsSize_, value); }
    // Gap between labels, percent of a label's size.
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value) { Assign(labelsSeparation_, value); }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value) { Assign(labelsOnAxis_, value); }
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value) { Assign(roundFirstLabel_, value); }

    // --- lines ---
    TChartPen& Axis() { return axisPen_; }
    const TChartPen& Axis() const { return axisPen_; }
    TChartPen& Ticks() { return ticks_; }
    const TChartPen& Ticks() const { return ticks_; }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value) { Assign(tickLength_, value); }
    TChartPen& TicksInner() { return ticksInner_; }
    const TChartPen& TicksInner() const { return ticksInner_; }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value) { Assign(tickInnerLength_, value); }
    TChartPen& MinorTicks() { return minorTicks_; }
    const TChartPen& MinorTicks() const { return minorTicks_; }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value) { Assign(minorTickLength_, value); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value) { Assign(minorTickCount_, value); }
    // A grid pen coloured clDefault draws gray.
    TChartPen& Grid() { return grid_; }
    const TChartPen& Grid() const { return grid_; }
    TChartPen& MinorGrid() { return minorGrid_; }
    const TChartPen& MinorGrid() const { return minorGrid_; }

    // --- title ---
    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }
    // Room for the title in pixels; 0 measures it.
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value) { Assign(titleSize_, value); }

    // --- conversions, on the layout of the most recent full redraw ---
    // (0 for every value before the chart's first full redraw or layout)
    int CalcPosValue(double value) const { return layout_.Scale.CalcPosValue(value); }
    int CalcSizeValue(double value) const { return layout_.Scale.CalcSizeValue(value); }
    double CalcPosPoint(int pixel) const { return layout_.Scale.CalcPosPoint(pixel); }

    // --- used by the chart while it lays out and draws ---
    const TAxisLayout& Layout() const { return layout_; }
    TAxisLayout& Layout() { return layout_; }
    // Fixes the effective range for this redraw.
    void ApplyRange(double minimum, double maximum);
    // Places the pixel ends on the plot rectangle (StartPosition, EndPosition).
    void ApplyPixelEnds(const TChartRect& plot);
    // The rectangle left after this axis takes room for its title, labels
    // and ticks; records the title and label column edges.
    TChartRect ReduceRect(const TChartRect& rect);
    // The label step for the current scale and label font.
    double CalcLabelStep() const;
    QString LabelText(double value) const { return axisLabelText(value); }

private:
    void ConnectParts();
    int LabelExtent() const;
    int WidestLabelWidth() const;
    int TickRoom() const;

    TAxisPlace place_;
    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
    bool inverted_ = false;
    bool visible_ = true;
    double increment_ = 0;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;

    bool labels_ = true;
    TChartFont labelsFont_;
    int labelsSize_ = 0;
    int labelsSeparation_ = 10;
    bool labelsOnAxis_ = true;
    bool roundFirstLabel_ = true;

    TChartPen axisPen_{clBlack, 2};
    TChartPen ticks_{clGray, 1};
    int tickLength_ = 4;
    TChartPen ticksInner_{clGray, 1};
    int tickInnerLength_ = 0;
    TChartPen minorTicks_{clGray, 1};
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    TChartPen grid_{clGray, 1, psDot};
    TChartPen minorGrid_{clGray, 1, psDot, false};

    TChartAxisTitle title_;
    int titleSize_ = 0;

    TAxisLayout layout_;
};

}  // namespace morvane
