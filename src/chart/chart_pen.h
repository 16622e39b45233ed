#pragma once
// A chart pen: colour, width and dash style plus visibility, end style and
// smallDots. How a pen turns into pixels is pen_painter.h.

#include "colours.h"
#include "chart_object.h"

namespace morvane {


class ChartPen : public ChartObject {
public:
    explicit ChartPen(QColor color = colours::black, int width = 1, Qt::PenStyle style = Qt::SolidLine,
                       bool visible = true);

    QColor color() const { return color_; }
    void setColor(QColor color) { assign(color_, color); }
    int width() const { return width_; }
    // Negative widths are stored as 0 (a 1-pixel line).
    void setWidth(int width);
    Qt::PenStyle style() const { return style_; }
    void setStyle(Qt::PenStyle style) { assign(style_, style); }
    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    Qt::PenCapStyle endStyle() const { return endStyle_; }
    void setEndStyle(Qt::PenCapStyle endStyle) { assign(endStyle_, endStyle); }
    bool smallDots() const { return smallDots_; }

    // True when lines drawn with this pen leave a mark at all.
    bool draws() const { return visible_ && style_ != Qt::NoPen && color_ != colours::none; }

private:
    QColor color_;
    int width_;
    Qt::PenStyle style_;
    bool visible_;
    Qt::PenCapStyle endStyle_ = Qt::RoundCap;
    bool smallDots_ = false;
};

}  // namespace morvane
