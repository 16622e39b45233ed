#pragma once
// A chart pen: colour, width and dash style plus Visible, EndStyle and
// SmallDots. How a pen turns into pixels is pen_painter.h.

#include "chart_colors.h"
#include "chart_object.h"

namespace morvane {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TPenEndStyle { esRound, esSquare, esFlat };

class TChartPen : public TChartObject {
public:
    explicit TChartPen(TColor color = clBlack, int width = 1, TPenStyle style = psSolid,
                       bool visible = true);

    TColor Color() const { return color_; }
    void SetColor(TColor color) { Assign(color_, color); }
    int Width() const { return width_; }
    // Negative widths are stored as 0 (a 1-pixel line).
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style) { Assign(style_, style); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Assign(visible_, visible); }
    TPenEndStyle EndStyle() const { return endStyle_; }
    void SetEndStyle(TPenEndStyle endStyle) { Assign(endStyle_, endStyle); }
    bool SmallDots() const { return smallDots_; }
    void SetSmallDots(bool smallDots) { Assign(smallDots_, smallDots); }

    // True when lines drawn with this pen leave a mark at all.
    bool Draws() const { return visible_ && style_ != psClear && color_ != clNone; }

private:
    TColor color_;
    int width_;
    TPenStyle style_;
    bool visible_;
    TPenEndStyle endStyle_ = esRound;
    bool smallDots_ = false;
};

}  // namespace morvane
