#pragma once
// The chart's title: lines of text above the plot, or, when custom
// positioned, drawn at (Left, Top) over the finished chart without taking
// any room.

#include "chart_font.h"
#include "chart_rect.h"

#include <QPainter>
#include <QStringList>

namespace morvane {

class TChartTitle : public TChartObject {
public:
    TChartTitle();

    QStringList Text() const { return text_; }
    void SetText(const QStringList& text) { Assign(text_, text); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Assign(visible_, visible); }
    bool CustomPosition() const { return customPosition_; }
    void SetCustomPosition(bool custom) { Assign(customPosition_, custom); }
    int Left() const { return left_; }
    void SetLeft(int left) { Assign(left_, left); }
    int Top() const { return top_; }
    void SetTop(int top) { Assign(top_, top); }
    // Blue 11-pixel "Arial" unless changed.
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

    // True when there is at least one line to show (blank lines count: they
    // take room above the plot, though they show nothing).
    bool HasText() const { return visible_ && !text_.isEmpty(); }

    // A title that is not custom positioned: draws its lines (when a painter
    // is given) centred across `room` from its top, and returns the room left
    // below them.
    TChartRect DrawAbove(QPainter* painter, const TChartRect& room) const;
    // A custom positioned title: each line centred in a box as wide as the
    // widest line plus the width of "W", the box's top-left at (Left, Top).
    void DrawAtPosition(QPainter& painter) const;

private:
    void DrawLines(QPainter& painter, int boxLeft, int boxWidth, int top) const;

    QStringList text_;
    bool visible_ = true;
    bool customPosition_ = false;
    int left_ = 0;
    int top_ = 0;
    TChartFont font_{clBlue};
};

}  // namespace morvane
