#pragma once
// A fill: solid colour, no fill at all, or a two-colour pattern image.

#include "colours.h"
#include "chart_object.h"

#include <QImage>

namespace morvane {


class ChartBrush : public ChartObject {
public:
    explicit ChartBrush(QColor color = colours::white) : color_(color) {}

    QColor color() const { return color_; }
    void setColor(QColor color) { assign(color_, color); }
    Qt::BrushStyle style() const { return style_; }
    void setStyle(Qt::BrushStyle style) { assign(style_, style); }
    // A small monochrome pattern repeated over the fill; 1 bits take the
    // brush colour, 0 bits the colour of whatever is filled.
    const QImage& image() const { return image_; }
    void setImage(const QImage& image)
    {
        if (image_ == image)
            return;
        image_ = image;
        changed();
    }

private:
    QColor color_;
    Qt::BrushStyle style_ = Qt::SolidPattern;
    QImage image_;
};

}  // namespace morvane
