// How an axis takes room from the plot rectangle and measures its labels.

#include "chart_axis.h"
#include "text_metrics.h"

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

// Moves the edge of `rect` on the axis's side toward the plot by `amount`
// and returns the new edge.
int TakeRoom(TChartRect& rect, TAxisPlace place, int amount)
{
    switch (place) {
    case TAxisPlace::Left:
        return rect.Left += amount;
    case TAxisPlace::Right:
        return rect.Right -= amount;
    case TAxisPlace::Top:
        return rect.Top += amount;
    default:
        return rect.Bottom -= amount;
    }
}

// The first (or last) label value as measured: Trunc(value / step) x step
// when labels are rounded.
double MeasuredLabelValue(double value, double step, bool roundFirstLabel)
{
    if (!roundFirstLabel || !(step > 0))
        return value;
    return static_cast<double>(std::trunc(static_cast<long double>(value) / step) * step);
}

}  // namespace

double TChartAxis::CalcLabelStep() const
{
    const TAxisScale& scale = layout_.Scale;
    int labelSize = 0;
    if (Horizontal())
        labelSize = std::max(TextWidth(labelsFont_.ToQFont(), LabelText(scale.Minimum)),
                             TextWidth(labelsFont_.ToQFont(), LabelText(scale.Maximum)));
    else
        labelSize = TextHeight(labelsFont_.ToQFont());
    return morvane::CalcLabelStep(scale.Range, scale.AxisSize, labelSize, labelsSeparation_,
                                  increment_);
}

int TChartAxis::WidestLabelWidth() const
{
    const double step = CalcLabelStep();
    const QFont font = labelsFont_.ToQFont();
    const double first = MeasuredLabelValue(layout_.Scale.Minimum, step, roundFirstLabel_);
    const double last = MeasuredLabelValue(layout_.Scale.Maximum, step, roundFirstLabel_);
    return std::max(TextWidth(font, LabelText(first)), TextWidth(font, LabelText(last))) +
           TextWidth(font, QStringLiteral(" "));
}

int TChartAxis::LabelExtent() const
{
    if (labelsSize_ != 0)
        return labelsSize_;
    return Horizontal() ? TextHeight(labelsFont_.ToQFont()) : WidestLabelWidth();
}

int TChartAxis::TickRoom() const
{
    int room = 0;
    if (axisPen_.Visible())
        room += axisPen_.Width() + 1;
    if (ticks_.Visible())
        room += tickLength_;
    if (minorTicks_.Visible())
        room = std::max(room, minorTickLength_);
    return room;
}

TChartRect TChartAxis::ReduceRect(const TChartRect& rect)
{
    TChartRect reduced = rect;
    const int start = TakeRoom(reduced, place_, 0);
    int titleEdge = start;
    if (title_.Shows()) {
        int room = titleSize_;
        if (room == 0) {
            const QFont font = title_.Font().ToQFont();
            const int angle = ((title_.Angle() % 360) + 360) % 360;
            const bool acrossAxis = Horizontal() ? (angle == 0 || angle == 180)
                                                 : (angle == 90 || angle == 270);
            room = acrossAxis ? TextHeight(font) : TextWidth(font, title_.Caption());
        }
        titleEdge = TakeRoom(reduced, place_, room);
    }
    int labelEdge = titleEdge;
    if (labels_)
        labelEdge = TakeRoom(reduced, place_, LabelExtent());
    TakeRoom(reduced, place_, TickRoom());

    const int across = Horizontal() ? rect.Height() : rect.Width();
    const int shift = static_cast<int>(
        RoundHalfEven(static_cast<long double>(across) * positionPercent_ / 100));
    const bool towardLarger = place_ == TAxisPlace::Left || place_ == TAxisPlace::Top;
    layout_.TitleEdge = titleEdge + (towardLarger ? shift : -shift);
    layout_.LabelEdge = labelEdge + (towardLarger ? shift : -shift);
    return reduced;
}

}  // namespace morvane
