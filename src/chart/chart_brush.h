#pragma once
// A fill: solid colour, no fill at all, or a two-colour pattern image.

#include "chart_colors.h"
#include "chart_object.h"

#include <QImage>

namespace morvane {

enum TBrushStyle { bsSolid, bsClear };

class TChartBrush : public TChartObject {
public:
    explicit TChartBrush(TColor color = clWhite) : color_(color) {}

    TColor Color() const { return color_; }
    void SetColor(TColor color) { Assign(color_, color); }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { Assign(style_, style); }
    // A small monochrome pattern repeated over the fill; 1 bits take the
    // brush colour, 0 bits the colour of whatever is filled.
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image)
    {
        if (image_ == image)
            return;
        image_ = image;
        Changed();
    }

private:
    TColor color_;
    TBrushStyle style_ = bsSolid;
    QImage image_;
};

}  // namespace morvane
