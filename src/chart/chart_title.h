#pragma once
// The chart's title: lines of text above the plot, or, when custom
// positioned, drawn at (left, top) over the finished chart without taking
// any room.

#include "chart_font.h"
#include "chart_rect.h"

#include <QPainter>
#include <QStringList>

namespace morvane {

class ChartTitle : public ChartObject {
public:
    ChartTitle();

    QStringList text() const { return text_; }
    void setText(const QStringList& text) { assign(text_, text); }
    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    bool customPosition() const { return customPosition_; }
    void setCustomPosition(bool custom) { assign(customPosition_, custom); }
    int left() const { return left_; }
    void setLeft(int left) { assign(left_, left); }
    int top() const { return top_; }
    void setTop(int top) { assign(top_, top); }
    // Blue 11-pixel "Arial" unless changed.
    ChartFont& font() { return font_; }
    const ChartFont& font() const { return font_; }

    // True when there is at least one line to show (blank lines count: they
    // take room above the plot, though they show nothing).
    bool hasText() const { return visible_ && !text_.isEmpty(); }

    // A title that is not custom positioned: draws its lines (when a painter
    // is given) centred across `room` from its top, and returns the room left
    // below them.
    ChartRect drawAbove(QPainter* painter, const ChartRect& room) const;
    // A custom positioned title: each line centred in a box as wide as the
    // widest line plus the width of "W", the box's top-left at (left, top).
    void drawAtPosition(QPainter& painter) const;

private:
    void drawLines(QPainter& painter, int boxLeft, int boxWidth, int top) const;

    QStringList text_;
    bool visible_ = true;
    bool customPosition_ = false;
    int left_ = 0;
    int top_ = 0;
    ChartFont font_{colours::blue};
};

}  // namespace morvane
